# A thin wrapper over CMake: `make run` and `make test` install what is missing first.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: run test deps build bench sanitize picture clean

run: build
	$(BUILD)/lumivane

test: build
	ctest --preset $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j$$(nproc)

deps:
	@scripts/install-deps

bench: build
	$(BUILD)/bench/lumivane_bench
	$(BUILD)/bench/conversion_bench
	python3 bench/measure_screen.py

sanitize:
	$(MAKE) test PRESET=sanitize

# Draws picture/temp.bmp and picture/lumivane.ico again from their generator.
picture: build
	cmake --build --preset $(PRESET) --target picture

clean:
	rm -rf build
