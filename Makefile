# The two entry points: `make run` builds and starts the game, `make test` builds and runs every test.
BUILD ?= build
ASAN_BUILD ?= build-asan
GENERATOR := -G Ninja

.PHONY: deps build run test test-sanitize bench clean

deps:
	@./scripts/deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD)

run: build
	./$(BUILD)/dyxel

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

# The unit tests and the simulator under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DDYXEL_SANITIZE=ON \
		-DDYXEL_GUI=OFF -DDYXEL_BENCH=OFF -DDYXEL_FUZZ=OFF >/dev/null
	@cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j2

bench: build
	./scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
