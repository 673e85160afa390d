# Entry points for people and CI. Everything real happens in CMake; these targets only make
# sure the Debian packages are there, then configure, build and run.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
RELEASE_DIR ?= build-release
SOAK_DIR ?= build-soak
SOAK_KEYS ?= 1000000
PACKAGE_DIR ?= build-package
# Where `make install` puts Kestrel; DESTDIR is honoured as well.
PREFIX ?= /usr/local
# A release's web site: About's rows, the package's homepage, the metainfo's screenshot.
KESTREL_WEBSITE ?=
JOBS ?= 2
# CI builds with warnings as errors.
WERROR := $(if $(CI),ON,OFF)
SOURCES = $(shell git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' 2>/dev/null)

.PHONY: all deps build run test test-sanitize soak bench overlay-figures fuzz format check-format clean release install uninstall package

all: build

deps:
	@scripts/install-dependencies

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTREL_WARNINGS_AS_ERRORS=$(WERROR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Installs what is missing, builds, and starts Kestrel (or, without a display, a demo).
run:
	@scripts/run-kestrel

# Installs what is missing, builds, and runs every test.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The core tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTREL_SANITIZE=ON \
		-DKESTREL_WARNINGS_AS_ERRORS=$(WERROR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS) --target kestrel_core_tests
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS) -L core

# Kestrel through SOAK_KEYS keys (a million) on X11 and then on sway, optimised, with what it
# (and the X server) hold before and after (not part of `make test`, which types 50,000 on
# X11 and 20,000 on sway).
soak: deps
	cmake -S . -B $(SOAK_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTREL_WARNINGS_AS_ERRORS=$(WERROR)
	cmake --build $(SOAK_DIR) -j $(JOBS) --target kestrel kestrel_soak_tests kestrel_wayland_tests
	KESTREL_SOAK_KEYS=$(SOAK_KEYS) $(SOAK_DIR)/tests/kestrel_soak_tests
	KESTREL_SOAK_KEYS=$(SOAK_KEYS) $(SOAK_DIR)/tests/kestrel_wayland_tests --gtest_filter='*AnyAmountOfTyping*'

# Google Benchmark programs, built optimised in their own folder (not part of `make test`).
bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTREL_BUILD_BENCHMARKS=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target kestrel_pipeline_bench kestrel_x11_latency_bench kestrel_frame_bench \
		kestrel_password_hold_bench kestrel_startup_bench
	$(BENCH_DIR)/bench/kestrel_pipeline_bench
	$(BENCH_DIR)/bench/kestrel_x11_latency_bench
	$(BENCH_DIR)/bench/kestrel_frame_bench
	$(BENCH_DIR)/bench/kestrel_password_hold_bench
	$(BENCH_DIR)/bench/kestrel_startup_bench

# The overlay measured from outside with overlay-bench (not part of `make test`): latency,
# Kestrel's and the X server's CPU per 1,000 keys, memory, idle wakeups.
overlay-figures: deps
	@scripts/install-dependencies overlay-bench
	BENCH_DIR=$(BENCH_DIR) JOBS=$(JOBS) scripts/measure-overlay

# The libFuzzer programs in fuzz/, built with clang under ASan and UBSan, each run for
# FUZZ_SECONDS (60) on its seed corpus, or for FUZZ_RUNS executions; any finding fails.
fuzz:
	@scripts/install-dependencies fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DKESTREL_BUILD_FUZZERS=ON -DKESTREL_BUILD_TESTS=OFF -DKESTREL_WARNINGS_AS_ERRORS=$(WERROR)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target kestrel_preferences_fuzzer kestrel_raw_event_fuzzer \
		kestrel_display_state_fuzzer kestrel_evdev_fuzzer
	scripts/run-fuzzers $(FUZZ_DIR)

# An optimised build without the tests, to install under PREFIX.
release: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTREL_BUILD_TESTS=OFF \
		-DCMAKE_INSTALL_PREFIX=$(PREFIX) -DKESTREL_WEBSITE=$(KESTREL_WEBSITE) -DKESTREL_WARNINGS_AS_ERRORS=$(WERROR)
	cmake --build $(RELEASE_DIR) -j $(JOBS)

install:
	@test -f $(RELEASE_DIR)/build.ninja || $(MAKE) release
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	cmake --install $(RELEASE_DIR)

# Removes what `make install` put in place, as its manifest lists it.
uninstall:
	scripts/uninstall-kestrel $(RELEASE_DIR)/install_manifest.txt

# The Debian package (under /usr), in $(PACKAGE_DIR).
package:
	@scripts/install-dependencies package
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTREL_BUILD_TESTS=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr -DKESTREL_WEBSITE=$(KESTREL_WEBSITE) -DKESTREL_WARNINGS_AS_ERRORS=$(WERROR)
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB
	@ls -l $(PACKAGE_DIR)/*.deb

format:
	clang-format -i $(SOURCES)

check-format:
	clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(SOAK_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(RELEASE_DIR) $(PACKAGE_DIR) build-run
