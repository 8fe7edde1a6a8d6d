# The two entry points: `make run` builds and starts the game, `make test` builds and runs every
# test. The rest are steps of theirs, or for developers (docs/architecture.md).
BUILD ?= build
ASAN_BUILD ?= build-asan
WINDOWS_BUILD ?= build-windows
GENERATOR := -G Ninja

.PHONY: deps-run deps-test deps-windows build run windows test test-sanitize bench clean

deps-run:
	@./scripts/deps.sh run

deps-test:
	@./scripts/deps.sh test

deps-windows:
	@./scripts/deps.sh windows

build: deps-run
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDYXEL_TESTS=OFF \
		-DDYXEL_BENCH=OFF >/dev/null
	@cmake --build $(BUILD) --target dyxel dyxel-sim

run: build
	./$(BUILD)/dyxel

# The 32-bit Windows game, cross-compiled: dyxel.exe, dyxel-sim.exe and the zip that holds both.
windows: deps-windows
	@cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) --no-warn-unused-cli \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
		-DCMAKE_BUILD_TYPE=Release -DDYXEL_PLATFORM=win32 -DDYXEL_SYSTEM_RAND=ON \
		-DDYXEL_TESTS=OFF -DDYXEL_BENCH=OFF -DDYXEL_FUZZ=OFF >/dev/null
	@cmake --build $(WINDOWS_BUILD)

# The wine tests of the native tree use the Windows build's artifacts.
test: deps-test windows
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDYXEL_TESTS=ON \
		-DDYXEL_BENCH=ON -DDYXEL_WINDOWS_BUILD=$(abspath $(WINDOWS_BUILD)) >/dev/null
	@cmake --build $(BUILD)
	cd $(BUILD) && ctest --output-on-failure -j2

# The unit tests and the simulator under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DDYXEL_SANITIZE=ON \
		-DDYXEL_BENCH=OFF -DDYXEL_FUZZ=OFF >/dev/null
	@cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j2 -LE 'wine|web'

bench: deps-test windows
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDYXEL_BENCH=ON >/dev/null
	@cmake --build $(BUILD)
	WINDOWS_BUILD=$(WINDOWS_BUILD) ./scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WINDOWS_BUILD)
