# The front door: `make run` starts the program, `make check` runs the quick
# tests and `make test` every test.
# Each command first installs the Debian packages it needs that are missing
# (scripts/install-deps), then builds only what it uses.
BUILD := build
# As many compile jobs as cores: a bare --parallel starts every job at once.
JOBS := $(shell nproc)
CONFIGURE := cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The strip pictures and icons are committed; a tree without them draws them.
PICTURES := pictures/r1.bmp pictures/r2.bmp pictures/r3.bmp pictures/kareto-32.png pictures/kareto-48.png \
            pictures/kareto-128.png pictures/kareto.svg
DRAW_MISSING_PICTURES := for picture in $(PICTURES); do \
	test -f $$picture || { cmake --build $(BUILD) --target strips; break; }; done

.PHONY: all program installable tests-configured tests-built run check test bench install uninstall package clean

all: program

# Only the program. A new build folder is configured without the tests;
# `make test` adds them to it.
program:
	@scripts/install-deps run
	test -f $(BUILD)/CMakeCache.txt || $(CONFIGURE) -DBUILD_TESTING=OFF
	@$(DRAW_MISSING_PICTURES)
	cmake --build $(BUILD) --target kareto --parallel $(JOBS)

# The program and the documents installed with it.
installable: program
	cmake --build $(BUILD) --target docs

# A build folder with the tests, where any warning fails the build. One
# already configured so is not configured again: the build itself notices a
# changed CMakeLists.txt.
tests-configured:
	@scripts/install-deps run test
	grep -qx 'BUILD_TESTING:BOOL=ON' $(BUILD)/CMakeCache.txt 2>/dev/null && \
	grep -qx 'KARETO_WARNINGS_AS_ERRORS:BOOL=ON' $(BUILD)/CMakeCache.txt || \
	$(CONFIGURE) -DBUILD_TESTING=ON -DKARETO_WARNINGS_AS_ERRORS=ON
	@$(DRAW_MISSING_PICTURES)

# Everything, the tests included.
tests-built: tests-configured
	cmake --build $(BUILD) --parallel $(JOBS)

# The program reads its strip pictures from the working directory.
run: program
	cd pictures && ../$(BUILD)/kareto

# The quick loop while working: the unit and window tests, built and run in
# seconds; the slower suites are not even linked.
check: tests-configured
	cmake --build $(BUILD) --target quick_tests --parallel $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L '^(unit|window)$$' -j $(JOBS)

# The full gate: every test, then all again under the sanitizers, with fuzzing.
test: tests-built
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
	@# Again under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz targets.
	scripts/sanitizer-test

# The program against a bare Qt Widgets baseline, on a private Xvfb; minutes.
bench: program
	@scripts/install-deps bench
	cmake --build $(BUILD) --target bench

# `make install PREFIX=/opt/kareto`; DESTDIR is honoured for staging.
# `make uninstall` removes what the last install put in place, under its DESTDIR.
PREFIX ?= /usr/local
install: installable
	DESTDIR="$(DESTDIR)" scripts/install $(BUILD) $(PREFIX)

uninstall:
	scripts/uninstall $(BUILD)/install_record.txt

# A Debian package in $(BUILD)/, checked by lintian.
package: installable
	@scripts/install-deps package
	cd $(BUILD) && cpack -G DEB
	lintian -I --pedantic --fail-on error,warning,info,pedantic $(BUILD)/kareto_*.deb

clean:
	rm -rf $(BUILD) build-sanitize
