# Front door: `make demo` and `make test` set up a fresh Debian machine
# (as root), build both architectures and run in a private Wine prefix.
ARCHS := i686 x86_64
BUILD := $(CURDIR)/build
JOBS  ?= $(shell nproc)
CHECKS ?= 10000
FUZZ_CASES ?= 100000

.PHONY: all setup build prefix register test demo docs screenshots dist bench fuzz stress clean

all: build

setup:
	@bash scripts/setup.sh
	@bash scripts/fetch-hunspell.sh

build: setup
	@for a in $(ARCHS); do \
	  { [ -f $(BUILD)/$$a/CMakeCache.txt ] || \
	    cmake -S . -B $(BUILD)/$$a -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$$a.cmake >/dev/null; } && \
	  cmake --build $(BUILD)/$$a -j$(JOBS) -- --no-print-directory >/dev/null || exit 1; \
	done

prefix: setup
	@bash scripts/wineprefix.sh

register: build prefix
	@for a in $$(bash -c 'source scripts/env.sh; running_archs'); do bash scripts/register.sh $$a || exit 1; done

test: build prefix dist
	@bash scripts/with-display.sh bash scripts/test.sh

demo: register
	@bash scripts/with-display.sh bash examples/run-demo.sh

# The guide's pictures of the real windows, on a virtual display.
screenshots: register
	@bash scripts/with-display.sh bash scripts/screenshots.sh

# The packages for Windows users: build/vestrel-VERSION.zip and the Windows
# Installer packages build/vestrel-VERSION-x86.msi and -x64.msi.
dist: build prefix
	@bash scripts/dist.sh

# The type library reference, written from the built DLL.
docs: build prefix
	@bash scripts/typelib-doc.sh $$(bash -c 'source scripts/env.sh; running_archs | head -1') docs/reference.md

bench: build prefix
	@bash bench/run.sh $$(bash -c 'source scripts/env.sh; running_archs | head -1') $(CHECKS)

# The suite's hostile-call run, longer (FUZZ_CASES calls), on each architecture.
fuzz: build prefix
	@for a in $$(bash -c 'source scripts/env.sh; running_archs'); do \
	  VESTREL_FUZZ_CASES=$(FUZZ_CASES) bash scripts/with-display.sh bash scripts/wine-run $$a $(BUILD)/$$a/bin/fuzz_test.exe || exit 1; \
	done

# Several apartments checking at once, STRESS_ROUNDS rounds, each architecture.
STRESS_ROUNDS ?= 60
stress: build prefix
	@for a in $$(bash -c 'source scripts/env.sh; running_archs'); do \
	  bash scripts/with-display.sh bash scripts/wine-run $$a $(BUILD)/$$a/bin/apartments_stress.exe $(STRESS_ROUNDS) || exit 1; \
	done

clean:
	rm -rf $(BUILD)/i686 $(BUILD)/x86_64
