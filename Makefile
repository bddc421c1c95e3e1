# Entry points; the real build is CMake with Ninja.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
BUILD_ODR  ?= build-odr
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)

.PHONY: deps build demo wavorine pulsaric test asan test-asan fuzz odr bench format-check clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Builds the component demo alone and starts it.
demo: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target orvanedemo
	$(BUILD)/programs/demo/orvanedemo

# Builds the curve editor alone and starts it.
wavorine: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target Wavorine
	$(BUILD)/programs/curves/Wavorine

# Builds the logic-analyzer display alone and starts it.
pulsaric: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target Pulsaric
	$(BUILD)/programs/logic/Pulsaric

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)

test-asan: asan
	cd $(BUILD_ASAN) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every fuzz target of tests/fuzz for FUZZ_SECONDS each, under ASan and UBSan.
fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DORVANE_FUZZ=ON -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_targets
	scripts/run-fuzz.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

# The library linked whole into one program with link-time optimisation: a name defined twice
# differently fails the build.
odr: deps
	cmake -S . -B $(BUILD_ODR) -G Ninja -DCMAKE_BUILD_TYPE=None -DORVANE_ODR_CHECK=ON
	cmake --build $(BUILD_ODR) -j $(JOBS) --target orvane_whole_link

# Every C++ source under version control laid out by .clang-format.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

bench: build
	@scripts/bench-table.py $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_ODR)
