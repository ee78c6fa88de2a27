# make run  : set up, build and start Vok
# make test : set up, build and run every test headless
BUILD    ?= build
SANITIZE ?= 0
JOBS     ?= $(shell nproc)

.PHONY: run test setup build bench clean

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

bench: build
	@$(BUILD)/bench/vok-bench

clean:
	rm -rf $(BUILD)
