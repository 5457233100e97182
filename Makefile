BUILD ?= build
JOBS ?= 2

.PHONY: deps test-deps build run test test-asan test-package fuzz bench screenshot gallery assets package deb clean

# What building and running need; test-deps adds the tools of the tests,
# benchmarks, screenshots and packages.
deps:
	@bash scripts/install-deps.sh run

test-deps:
	@bash scripts/install-deps.sh test

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/numora

test: test-deps build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
# Qt's and the fonts' one-time allocations are not leaks of ours.
test-asan: test-deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DNUMORA_SANITIZE=ON
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j$(JOBS)

# Each libFuzzer target for FUZZ_SECONDS on its corpus in fuzz/corpus/;
# findings are written to build-fuzz/findings/.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_gbk fuzz_numbers fuzz_record fuzz_arithmetic fuzz_jpeg fuzz_wav
fuzz: test-deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMORA_FUZZ=ON
	cmake --build $(BUILD)-fuzz --target $(FUZZ_TARGETS) -j$(JOBS)
	mkdir -p $(BUILD)-fuzz/findings
	for target in $(FUZZ_TARGETS); do \
		mkdir -p $(BUILD)-fuzz/corpus/$$target; \
		ASAN_OPTIONS=detect_leaks=0 $(BUILD)-fuzz/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
			-artifact_prefix=$(BUILD)-fuzz/findings/$$target- $(BUILD)-fuzz/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

# The portable archive: build/package/numora-<version>-linux-x86_64.tar.gz
package: build
	cd $(BUILD) && cpack -G TGZ

# The Debian package: build/package/numora_<version>_amd64.deb
deb: build test-deps
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/package/numora_*_amd64.deb

# The Debian package installed on a fresh Debian 12 root, trained in and
# purged, as a new user; the root's tarball is kept in the build folder.
test-package: deb
	bash tests/packaging/fresh_system.sh $(BUILD)

# Benchmarks against their references; never part of make test.
bench: build test-deps
	cmake --build $(BUILD) --target bench_startup bench_reference bench_screen bench_window bench_report numora numora-report -j$(JOBS)
	bash bench/run.sh $(BUILD)

screenshot: build test-deps
	bash scripts/screenshots.sh $(BUILD) docs/views

# Every painted control in every look, in a window of its own.
gallery: build
	cmake --build $(BUILD) --target widget_gallery -j$(JOBS)
	$(BUILD)/tools/widget_gallery

# Regenerates our own banks, sounds, icon, skins and welcome picture; the results are committed.
assets: build
	cmake --build $(BUILD) --target make_banks make_sounds make_icon make_skins make_welcome -j$(JOBS)
	$(BUILD)/tools/make_banks data
	$(BUILD)/tools/make_sounds sound
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/make_icon resources/numora-icon.png
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/make_icon packaging/numora.png 128
	for size in 16 24 32 48 64 128 256; do \
		mkdir -p packaging/icons/$${size}x$${size}; \
		QT_QPA_PLATFORM=offscreen $(BUILD)/tools/make_icon packaging/icons/$${size}x$${size}/example.numora.Numora.png $$size || exit 1; \
	done
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/make_skins resources/skins
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/make_welcome resources/welcome.jpg

# Keeps the records and the custom bank that users made in the build folder.
clean:
	bash scripts/clean.sh $(BUILD)
	bash scripts/clean.sh $(BUILD)-asan
	bash scripts/clean.sh $(BUILD)-fuzz
