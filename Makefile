# The front door: `make run` starts the program, `make test` runs every test.
# Both first install whatever Debian packages are missing.
BUILD := build

.PHONY: all deps build run test bench install package clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --parallel

# The program reads its strip pictures from the working directory.
run: build
	cd pictures && ../$(BUILD)/kareto

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
	@# Again under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz targets.
	scripts/sanitizer-test

# The program against a bare Qt Widgets baseline, on a private Xvfb; minutes.
bench: build
	cmake --build $(BUILD) --target bench

# `make install PREFIX=/opt/kareto`; DESTDIR is honoured for staging.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) build-sanitize
