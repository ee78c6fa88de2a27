# make run  : set up, build and start Vok
# make test : set up, build and run every test headless
# make package : set up, build and make the Debian package build-package/vok_*.deb
BUILD    ?= build
SANITIZE ?= 0
JOBS     ?= $(shell nproc)

.PHONY: run test setup build bench clean package

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DVOK_SANITIZE=$(if $(filter 1,$(SANITIZE)),ON,OFF) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The display is checked before anything is built.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Vok needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set."; exit 1; fi
	@$(MAKE) --no-print-directory build
	@$(BUILD)/app/vok

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Debian's build flags with all hardening; only the program is built, not the tests. Fortify
# level 3 checks calls into buffers whose size is known only at run time; level 2 finds none
# in Vok.
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package:
	@scripts/setup.sh --package
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=None -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	  $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) \
	    $$(dpkg-buildflags --get CPPFLAGS | sed 's/_FORTIFY_SOURCE=2/_FORTIFY_SOURCE=3/')" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	@cmake --build build-package -j $(JOBS) --target vok vok_desktop_files
	@cd build-package && rm -f vok_*.deb && cpack -G DEB

bench: build
	@$(BUILD)/bench/vok-bench

clean:
	rm -rf $(BUILD) build-package
