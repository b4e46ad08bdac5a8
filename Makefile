# Front door: `make demo` and `make test` set up a fresh Debian machine
# (as root), build and run in a private Wine prefix. Each stage says when it
# starts and how long it took; a build's output goes to build/logs/, and
# its last lines are shown when it fails.
ARCHS := i686 x86_64
BUILD := $(CURDIR)/build
CHECKS ?= 10000
FUZZ_CASES ?= 100000
STAGE := bash scripts/stage.sh
RUNNING_ARCHS := bash -c 'source scripts/env.sh; running_archs'

.PHONY: all setup build prefix register test demo docs screenshots dist bench fuzz fuzz-engine stress clean

all: build

setup:
	@$(STAGE) set-up bash scripts/setup.sh
	@$(STAGE) "Hunspell source" bash scripts/fetch-hunspell.sh
	@$(STAGE) "word frequencies" bash scripts/fetch-frequencies.sh

# Everything of both architectures: the DLLs, tools, tests and benchmarks.
build: setup
	@for a in $(ARCHS); do $(STAGE) --log build-$$a "build $$a" bash scripts/build.sh $$a || exit 1; done

prefix: setup
	@$(STAGE) prefix bash scripts/wineprefix.sh

register: build prefix
	@for a in $$($(RUNNING_ARCHS)); do $(STAGE) "registration $$a" bash scripts/register.sh $$a || exit 1; done

test: build prefix dist
	@bash scripts/test.sh

# The demo builds only what it runs, on one architecture.
demo: setup
	@bash scripts/demo.sh

# The guide's pictures of the real windows, on a virtual display.
screenshots: register
	@bash scripts/with-display.sh bash scripts/screenshots.sh

# The packages for Windows users: build/vestrel-VERSION.zip and the Windows
# Installer packages build/vestrel-VERSION-x86.msi and -x64.msi.
dist: build prefix
	@$(STAGE) packages bash scripts/dist.sh

# The type library reference, written from the built DLL.
docs: build prefix
	@bash scripts/typelib-doc.sh $$($(RUNNING_ARCHS) | head -1) docs/reference.md

bench: build prefix
	@bash bench/run.sh $$($(RUNNING_ARCHS) | head -1) $(CHECKS)

# The suite's hostile-call run, longer (FUZZ_CASES calls), on each architecture.
fuzz: build prefix
	@for a in $$($(RUNNING_ARCHS)); do \
	  VESTREL_FUZZ_CASES=$(FUZZ_CASES) bash scripts/with-display.sh bash scripts/wine-run $$a $(BUILD)/$$a/bin/fuzz_test.exe || exit 1; \
	done

# The engine's platform-free part natively, under libFuzzer and the
# sanitizers: each target for FUZZ_SECONDS from its seed corpus.
FUZZ_SECONDS ?= 300
fuzz-engine: build
	@FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz-engine.sh run

# Several apartments checking at once, STRESS_ROUNDS rounds, each architecture.
STRESS_ROUNDS ?= 60
stress: build prefix
	@for a in $$($(RUNNING_ARCHS)); do \
	  bash scripts/with-display.sh bash scripts/wine-run $$a $(BUILD)/$$a/bin/apartments_stress.exe $(STRESS_ROUNDS) || exit 1; \
	done

clean:
	rm -rf $(BUILD)/i686 $(BUILD)/x86_64 $(BUILD)/lexicon $(BUILD)/logs $(BUILD)/native
