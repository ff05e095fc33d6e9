# make run   set up, build and start Velmora under Wine
# make test  set up, build and run every test (CTest's summary comes last)
# make dist  the zip for Windows users
# make bench the benchmarks
.PHONY: all setup build build-ship run test bench dist clean

BUILD      := build/x86_64
SHIP_BUILD := build/i686
JOBS       := $(shell nproc)
SHIP_EXE   := $(CURDIR)/$(SHIP_BUILD)/app/velmora.exe

all: build

setup:
	@tools/setup/install-deps.sh

build-ship: setup
	@cmake -S . -B $(SHIP_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake -DVELMORA_TESTS=OFF >/dev/null
	@cmake --build $(SHIP_BUILD) -j $(JOBS) -- --no-print-directory

build: build-ship
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake -DVELMORA_SHIP_EXE=$(SHIP_EXE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory
	@VELMORA_BUILD=$(CURDIR)/$(BUILD) tools/setup/wine-prefix.sh

run: build
	@VELMORA_BUILD=$(CURDIR)/$(BUILD) tools/setup/run-velmora.sh

test: build
	@why=$$(tools/setup/wine32-ready.sh --why) || echo "The shipped 32-bit velmora.exe is not driven: $$why, so the suites drive the x86_64 build only."
	@VELMORA_BUILD=$(CURDIR)/$(BUILD) VELMORA_KEEPER=$(CURDIR)/$(BUILD)/tools/keeper/keeper.exe \
	  tools/setup/with-display.sh --private ctest --test-dir $(BUILD) --output-on-failure

bench: build
	@VELMORA_BUILD=$(CURDIR)/$(BUILD) tools/setup/with-display.sh --private bench/run-all.sh $(BUILD)

dist: build-ship
	@tools/setup/make-dist.sh $(SHIP_BUILD)

clean:
	rm -rf build
