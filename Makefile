# The two commands of the README, and the steps behind them.
#   make run    the main job on the embedded demo store, files into out/
#   make test   every test: native, native with sanitizers, and Windows under Wine
.PHONY: run test deps test-linux test-sanitize test-windows clean

CMAKE_BUILD = cmake --build --preset

deps:
	@scripts/install-deps

test: deps test-linux test-sanitize test-windows

test-linux:
	cmake --preset linux >/dev/null
	$(CMAKE_BUILD) linux
	ctest --preset linux

test-sanitize:
	cmake --preset sanitize >/dev/null
	$(CMAKE_BUILD) sanitize
	ctest --preset sanitize

test-windows:
	cmake --preset windows >/dev/null
	$(CMAKE_BUILD) windows
	scripts/wine-run --prefix $(CURDIR)/build/windows/wineprefix --prepare
	ctest --preset windows

# The demo store lives in the build tree unless PELK_LEDGER_STORE names another,
# so the demo never touches a per-user store.
DEMO_STORE ?= $(CURDIR)/build/demo/ledger.db

run: deps
	cmake --preset linux >/dev/null
	$(CMAKE_BUILD) linux --target pelk-ledger gk13-export
	@mkdir -p $(dir $(DEMO_STORE))
	PELK_LEDGER_STORE=$${PELK_LEDGER_STORE:-$(DEMO_STORE)} tools/gk13-export/make-run.sh build/linux

clean:
	rm -rf build out
