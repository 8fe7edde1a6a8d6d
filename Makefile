# The two entry points: `make run` builds and starts the game, `make test` builds and runs every
# test. The rest are steps of theirs, or for developers (docs/architecture.md).
BUILD ?= build
ASAN_BUILD ?= build-asan
PACKAGE_BUILD ?= build-package
WEB_BUILD ?= build-web
WINDOWS_BUILD ?= build-windows
PREFIX ?= /usr/local
GENERATOR := -G Ninja

.PHONY: deps-run deps-test deps-web deps-windows build run install package windows web test \
	test-sanitize bench clean

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

# The game, the simulator and their desktop files under $(PREFIX), or under $(DESTDIR)$(PREFIX).
install: build
	@cmake --build $(BUILD)
	umask 022 && DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

# $(BUILD)/tolvik-dyxel_3.20_amd64.deb, from a Release build of its own that a newer compiler's
# warnings cannot stop.
package:
	@./scripts/deps.sh run package
	@cmake -S . -B $(PACKAGE_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DDYXEL_WERROR=OFF \
		-DDYXEL_TESTS=OFF -DDYXEL_BENCH=OFF >/dev/null
	@cmake --build $(PACKAGE_BUILD)
	@rm -f $(PACKAGE_BUILD)/*.deb
	@cd $(PACKAGE_BUILD) && cpack >/dev/null
	@mkdir -p $(BUILD) && cp $(PACKAGE_BUILD)/*.deb $(BUILD)/
	@cd $(PACKAGE_BUILD) && ls *.deb | sed 's|^|$(BUILD)/|'

# The Windows game, cross-compiled: dyxel.exe, dyxel-sim.exe and the zip that holds both, for
# 32-bit Windows in $(WINDOWS_BUILD) and for 64-bit Windows in $(WINDOWS_BUILD)/x64.
WINDOWS_FLAGS := $(GENERATOR) --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release -DDYXEL_PLATFORM=win32 \
	-DDYXEL_SYSTEM_RAND=ON -DDYXEL_TESTS=OFF -DDYXEL_BENCH=OFF -DDYXEL_FUZZ=OFF
windows: deps-windows
	@cmake -S . -B $(WINDOWS_BUILD) $(WINDOWS_FLAGS) \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD)
	@cmake -S . -B $(WINDOWS_BUILD)/x64 $(WINDOWS_FLAGS) \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD)/x64

# The wine tests of the native tree use the Windows build's artifacts.
test: deps-test windows web
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDYXEL_TESTS=ON \
		-DDYXEL_BENCH=ON -DDYXEL_WINDOWS_BUILD=$(abspath $(WINDOWS_BUILD)) >/dev/null
	@cmake --build $(BUILD)
	cd $(BUILD) && { ctest --output-on-failure -j2; status=$$?; \
		grep -h '^SKIP:' Testing/Temporary/LastTest.log | sort -u; exit $$status; }

# The unit tests and the simulator under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DDYXEL_SANITIZE=ON \
		-DDYXEL_BENCH=OFF -DDYXEL_FUZZ=OFF >/dev/null
	@cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j2 -LE 'wine|web'

bench: deps-test windows web
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDYXEL_BENCH=ON >/dev/null
	@cmake --build $(BUILD)
	WINDOWS_BUILD=$(WINDOWS_BUILD) ./scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD) $(WEB_BUILD) $(WINDOWS_BUILD)

deps-web:
	@./scripts/deps.sh web

# The game as a page (index.html, dyxel.js, dyxel.wasm, the font) in build-web/, to be served as
# static files, and the simulator for node beside it (build-web/dyxel-sim.js).
web: deps-web
	@cmake -S . -B $(WEB_BUILD) $(GENERATOR) -DCMAKE_TOOLCHAIN_FILE=cmake/web.toolchain.cmake \
		-DDYXEL_PLATFORM=web -DCMAKE_BUILD_TYPE=Release -DDYXEL_TESTS=OFF -DDYXEL_BENCH=OFF \
		-DDYXEL_FUZZ=OFF >/dev/null
	@cmake --build $(WEB_BUILD)
