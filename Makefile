# Entry points for a fresh Debian 12 machine: `make run` and `make test` install what is
# missing, build the dependencies once into a cache outside the clone, build, then run.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all packages deps configure build run test bench gallery format format-check clean

all: build

packages:
	@scripts/install-packages.sh

# The dependency prefix is printed by the bootstrap; it returns at once when cached.
deps: packages
	@scripts/bootstrap-deps.sh > $(BUILD).deps-prefix.tmp && mkdir -p $(BUILD) && \
	  mv $(BUILD).deps-prefix.tmp $(BUILD)/deps-prefix

configure: deps
	@prefix=$$(tail -n 1 $(BUILD)/deps-prefix); \
	if [ ! -f $(BUILD)/CMakeCache.txt ] || ! grep -qF "SEALWICK_DEPS_PREFIX:PATH=$$prefix" $(BUILD)/CMakeCache.txt; then \
	  cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DSEALWICK_DEPS_PREFIX:PATH=$$prefix; \
	fi

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build format-check
	@scripts/test.sh $(BUILD)

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@scripts/bench.sh $(BUILD)

# A PNG picture of every window and dialog, in its states, in $(BUILD)/gallery/.
gallery: build
	@cmake --build $(BUILD) -j $(JOBS) --target gallery_programs
	@scripts/gallery.sh $(BUILD)

# The project's .clang-format over every C++ file of the tree.
format: packages
	@scripts/format.sh

format-check: packages
	@scripts/format.sh --check

clean:
	rm -rf $(BUILD)
