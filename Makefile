# The README's commands. Each installs what it needs first.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@scripts/run-editor.sh $(BUILD_DIR)/bin/zozavud

# In parallel, one test per core: each test's Xvfb, cupsd and temporary files are its own.
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600 -j$$(nproc)

bench: build
	@scripts/run-benchmarks.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, leak checks on
# for every test. Leaks inside the system libraries we link (the session bus library)
# are listed in fuzz/lsan.supp; our own code is never listed there.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined

.PHONY: test-sanitize fuzz

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)" -DZOZAVUD_BUILD_BENCHMARKS=OFF > /dev/null
	@cmake --build $(SANITIZE_DIR)
	@cd $(SANITIZE_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure --timeout 900

# libFuzzer targets, built with clang in their own directory; FUZZ_SECONDS each.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined

fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	  -DZOZAVUD_BUILD_TESTS=OFF -DZOZAVUD_BUILD_BENCHMARKS=OFF -DZOZAVUD_BUILD_FUZZERS=ON > /dev/null
	@cmake --build $(FUZZ_DIR) --target fuzzers
	@fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The Debian package, checked once built (see packaging/); one that fails is not left behind.
.PHONY: package
package: build
	@cd $(BUILD_DIR) && { cpack -G DEB || { rm -f zozavud_*.deb; echo "package failed its checks" >&2; exit 1; }; }

# clang-tidy with the checks of .clang-tidy (which makes its warnings errors) over every .cpp
# file of the programs the build compiles (the compile commands of BUILD_DIR; the tests and
# benchmarks are left out, to keep CI's time for the Windows build); TIDY_JOBS files at a time.
TIDY_JOBS ?= 2
.PHONY: tidy
tidy: build
	@run-clang-tidy -p $(BUILD_DIR) -j $(TIDY_JOBS) -quiet \
	  '$(CURDIR)/(app|cli|cmake|core|document|fuzz|platform|printer|render|ui|version)/' > $(BUILD_DIR)/tidy.log 2>&1 \
	  || { grep -E -A3 'warning:|error:' $(BUILD_DIR)/tidy.log >&2; echo "clang-tidy found problems: $(BUILD_DIR)/tidy.log" >&2; exit 1; }

# Every C++ file in the layout .clang-format describes; `make format` rewrites them so.
.PHONY: format-check format
format-check: deps
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
format: deps
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

# The Windows build: cross-compiled with mingw-w64 (cmake/mingw-w64-x86_64.cmake) and run under
# Wine (scripts/wine-run.sh). Its Qt and GoogleTest are built from Debian's sources once, into
# ${ZOZAVUD_CACHE:-~/.cache/zozavud}; `make windows-qt` prints their CMAKE_PREFIX_PATH.
.PHONY: windows-deps windows-qt
windows-deps:
	@scripts/install-windows-deps.sh
windows-qt: windows-deps
	@scripts/build-windows-qt.sh

# The Windows programs, installer and portable zip in build-windows/ (scripts/build-windows.sh),
# and their tests under Wine (scripts/test-windows.sh). `make test` needs none of this.
WINDOWS_DIR ?= build-windows
.PHONY: windows test-windows
windows: windows-deps
	@scripts/build-windows.sh $(WINDOWS_DIR)
test-windows: windows-deps
	@scripts/test-windows.sh $(WINDOWS_DIR)
