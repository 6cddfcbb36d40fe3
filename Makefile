# SPDX-License-Identifier: MIT
# `./setup.sh run` and `./setup.sh test` install what is missing and then run these targets;
# `make run` and `make test` do the same once make is there.

PRESET := dev
# The package is built from the release preset: an optimised build of the program alone, which
# costs well under a minute next to the development build.
PACKAGE_PRESET := release
# Read when a recipe runs, after `package` has left exactly one .deb there.
DEB = $(wildcard build/$(PACKAGE_PRESET)/quendrel_*.deb)
# Preloaded by the round trip into the packaged program to open its About dialog.
ABOUT_PROBE = build/$(PRESET)/tests/libquendrel_about_probe.so

# Every test in the suite, or a configure error that names the package to install: without it a
# test whose tool is missing would only be reported as skipped.
TEST_TOOLS := -DQUENDREL_REQUIRE_TEST_TOOLS=ON

# How long `make test` fuzzes each target; `make fuzz FUZZ_SECONDS=3600` is the longer run.
FUZZ_SECONDS := 30

.PHONY: run check test screenshot program build configure deps run-deps clean package package-test \
        asan-test fuzz code-checks bench dist

run: program
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "quendrel: no display to open the window on; 'make screenshot' renders it to PNG files instead."; \
	  exit 1; \
	fi
	./build/$(PRESET)/app/quendrel

# PNGs of the main window and the About dialog, rendered offscreen, at scale 1 and enlarged,
# (dark-*, adwaita-*) under a dark theme's palette and under the Adwaita style, in the Japanese
# locale that the build compiles for the tests, and (high-contrast-*) on a private session bus
# under the tests' stand-in for a desktop portal whose contrast setting is on. Three of them are
# the README's and the metainfo's pictures in docs/, which this keeps current.
screenshot: build
	QT_QPA_PLATFORM=offscreen ./build/$(PRESET)/tests/quendrel_screenshots screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 ./build/$(PRESET)/tests/quendrel_screenshots screenshots/scale-1.5
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 ./build/$(PRESET)/tests/quendrel_screenshots screenshots/scale-2
	LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 LOCPATH=build/$(PRESET)/tests/locale QT_QPA_PLATFORM=offscreen \
	  ./build/$(PRESET)/tests/quendrel_screenshots screenshots/ja_JP.UTF-8
	QT_QPA_PLATFORM=offscreen dbus-run-session -- \
	  ./build/$(PRESET)/tests/quendrel_screenshots screenshots --high-contrast
	cp screenshots/hasegawa-yumiko.png docs/screenshot.png
	cp screenshots/high-contrast-main-window.png docs/high-contrast.png
	cp screenshots/candidates.png docs/candidates.png
	cp screenshots/ja_JP.UTF-8/candidates-shortlist.png docs/candidates-shortlist.png
	cp screenshots/ja_JP.UTF-8/candidates-patterns.png docs/candidates-patterns.png
	pdftoppm -r 100 -png -singlefile screenshots/candidates-printout.pdf docs/shortlist-printout

# The edit-build-test loop: the development build and its CTest suite, nothing else.
check: build
	ctest --preset $(PRESET)

# The round trip goes first so that CTest's summary closes the output of the ordinary suite.
test: build package
	$(dated) tests/packaging/round_trip.sh $(DEB) $(ABOUT_PROBE)
	ctest --preset $(PRESET)
	$(MAKE) --no-print-directory asan-test fuzz code-checks

# The whole suite again with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake --preset asan $(TEST_TOOLS)
	cmake --build --preset asan
	ctest --preset asan

# libFuzzer over the path of a name's text, then over a name box's edits, then over the name
# dictionary's reading, with inputs long enough for a line past any entry. New inputs go to
# build/fuzz/*corpus, never into the repository; a crash leaves its input in build/fuzz/artifacts,
# to be kept in the matching fuzz/*regressions folder.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus build/fuzz/edit_path_corpus build/fuzz/dictionary_path_corpus \
	  build/fuzz/artifacts
	build/fuzz/fuzz/name_path_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -dict=fuzz/name_path.dict -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1 \
	  build/fuzz/corpus fuzz/corpus fuzz/regressions
	build/fuzz/fuzz/edit_path_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -dict=fuzz/edit_path.dict -artifact_prefix=build/fuzz/artifacts/edit_path- \
	  -print_final_stats=1 build/fuzz/edit_path_corpus fuzz/edit_path_corpus fuzz/edit_path_regressions
	build/fuzz/fuzz/dictionary_path_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -max_len=65536 -dict=fuzz/dictionary_path.dict -artifact_prefix=build/fuzz/artifacts/dictionary_path- \
	  -print_final_stats=1 build/fuzz/dictionary_path_corpus fuzz/dictionary_path_corpus \
	  fuzz/dictionary_path_regressions

# Figures, not tests: the commands on the model and through the window, a 1 MiB paste, start-up
# against a bare Qt window under Xvfb, the program's memory with the candidates' list, and the
# monkey test's peak memory at two lengths.
bench: build
	cmake --preset bench
	cmake --build --preset bench
	QT_QPA_PLATFORM=offscreen build/bench/benchmarks/quendrel_benchmarks \
	  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	benchmarks/startup.sh build/bench 20
	benchmarks/candidates_memory.sh build/bench
	benchmarks/monkey_memory.sh build/$(PRESET)

code-checks: build
	tests/code_checks.sh build/$(PRESET)

# The Debian package; package-test installs it, starts it and removes it again as a user would.
# Every time stamp in it is the commit's, as in Debian's reproducible builds, so that one commit
# gives the same bytes wherever and whenever it is built: in a release tarball the commit time that
# `git archive` wrote into packaging/source_date_epoch, in a clone the commit's own.
release_epoch := $(shell sed -n '/^[0-9][0-9]*$$/p' packaging/source_date_epoch)
SOURCE_DATE_EPOCH ?= $(or $(release_epoch),$(shell git log -1 --format=%ct 2>/dev/null))
dated = $(if $(SOURCE_DATE_EPOCH),SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH))
package: deps
	cmake --preset $(PACKAGE_PRESET)
	cmake --build --preset $(PACKAGE_PRESET)
	rm -f build/$(PACKAGE_PRESET)/quendrel_*.deb
	cd build/$(PACKAGE_PRESET) && $(dated) cpack -G DEB

package-test: package build
	$(dated) tests/packaging/round_trip.sh $(DEB) $(ABOUT_PROBE)

# The source release from the commit: build/release/quendrel-VERSION.tar.xz (packaging/dist.cmake).
dist: run-deps
	cmake --preset $(PACKAGE_PRESET)
	cmake --build --preset $(PACKAGE_PRESET) --target dist

# The program alone, in the development build folder with its tests switched off: their tools
# need not be installed, and the objects are the ones `build` reuses when it switches them on.
program: run-deps
	cmake --preset $(PRESET) -DBUILD_TESTING=OFF
	cmake --build --preset $(PRESET) --target quendrel

build: configure
	cmake --build --preset $(PRESET)

configure: deps
	cmake --preset $(PRESET) $(TEST_TOOLS)

# The Debian packages are listed once, in setup.sh: what the program needs, and everything.
run-deps:
	@./setup.sh --run

deps:
	@./setup.sh

clean:
	rm -rf build
