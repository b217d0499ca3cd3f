# The whole set-up on a fresh Debian 12 machine:
#   make run                 builds what is missing and starts kivo
#   make run PROGRAM=davo    the same for davo
#   make test                builds and runs every test headless, then again built with the
#                            address and undefined-behaviour sanitizers (in build-asan/)
#   make bench               builds and runs the benchmarks
#   make package             builds the Debian package kivo-davo_VERSION_amd64.deb here
PROGRAM ?= kivo
BUILD   ?= build
ASAN    ?= build-asan
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES       := g++ make cmake qt6-base-dev libsqlite3-dev libgl-dev fonts-liberation poppler-utils
BENCH_PACKAGES := libbenchmark-dev
# The install check of `make test` validates the desktop entries.
PACKAGES       += desktop-file-utils
# Qt's own translations: the standard buttons and the file dialog in the interface language.
PACKAGES       += qt6-translations-l10n
# lupdate and lrelease, and their CMake functions: davo's own translations are built from translations/.
PACKAGES       += qt6-tools-dev qt6-l10n-tools
# cpack reads the binaries' library dependencies with dpkg-shlibdeps, and picks them out with file.
PACKAGE_PACKAGES := dpkg-dev file

# Any sanitizer report fails the run: ASan and UBSan stop at the first one, LeakSanitizer fails the
# test at its end.
SANITIZER_ENV := ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps bench-deps configure build run test test-asan bench package clean

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

bench-deps: deps
	@tools/install-deps.sh $(BENCH_PACKAGES)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-program.sh $(PROGRAM) $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

$(ASAN)/CMakeCache.txt:
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON

test-asan: deps $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

bench: bench-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_BENCHMARKS=ON
	cmake --build $(BUILD) -j $(JOBS)
	@for b in $$(find $(BUILD)/bench -maxdepth 1 -type f -name 'bench_*' -executable | sort); do \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

package: build
	@tools/install-deps.sh $(PACKAGE_PACKAGES)
	rm -f $(BUILD)/kivo-davo_*.deb kivo-davo_*.deb
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/kivo-davo_*.deb .

clean:
	rm -rf $(BUILD) $(ASAN)
