# make run  : set up, build and start Vok
# make test : set up, build and run every test headless
# make package : set up, build and make the Debian package build/vok_*.deb
BUILD    ?= build
SANITIZE ?= 0
JOBS     ?= $(shell nproc)

.PHONY: run test setup build bench clean package

setup:
	@scripts/setup.sh

# Ninja and ccache; the plain build with Debian's flags (scripts/configure.sh).
build: setup
	@scripts/configure.sh $(BUILD) $(SANITIZE)
	@cmake --build $(BUILD) -j $(JOBS)

# The display is checked before anything is built.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Vok needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set."; exit 1; fi
	@$(MAKE) --no-print-directory build
	@$(BUILD)/app/vok

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# From the plain build's own objects, which have Debian's build flags; only the program is
# built for it, not the tests.
package:
	@[ "$(SANITIZE)" != 1 ] || { echo "the package is built without the sanitizers"; exit 1; }
	@scripts/setup.sh --package
	@scripts/configure.sh $(BUILD) 0
	@cmake --build $(BUILD) -j $(JOBS) --target vok vok_desktop_files
	@cd $(BUILD) && rm -f vok_*.deb && cpack -G DEB

bench: build
	@$(BUILD)/bench/vok-bench

clean:
	rm -rf $(BUILD)
