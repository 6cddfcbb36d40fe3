# SPDX-License-Identifier: MIT
# The two set-up commands: `make run` and `make test`. Each installs the Debian packages that are
# missing, configures, builds, and then starts the program or runs every test.

PACKAGES := g++ cmake ninja-build pkg-config libicu-dev libgtest-dev qt6-base-dev \
            fonts-ipafont-gothic xvfb xauth \
            desktop-file-utils appstream dpkg-dev file x11-utils
PRESET := dev
# The package is built from the release preset: an optimised build of the program alone, which
# costs well under a minute next to the development build.
PACKAGE_PRESET := release
# Read when a recipe runs, after `package` has left exactly one .deb there.
DEB = $(wildcard build/$(PACKAGE_PRESET)/quendrel_*.deb)

.PHONY: run test screenshot build configure deps clean package package-test

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "quendrel: no display to open the window on; 'make screenshot' renders it to PNG files instead."; \
	  exit 1; \
	fi
	./build/$(PRESET)/app/quendrel

# PNGs of the main window and the About dialog, rendered offscreen, at scale 1 and enlarged.
screenshot: build
	QT_QPA_PLATFORM=offscreen ./build/$(PRESET)/tests/quendrel_screenshots screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 ./build/$(PRESET)/tests/quendrel_screenshots screenshots/scale-1.5
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 ./build/$(PRESET)/tests/quendrel_screenshots screenshots/scale-2

# The round trip goes first so that CTest's summary closes the output.
test: build package
	tests/packaging/round_trip.sh $(DEB)
	ctest --preset $(PRESET)

# The Debian package; package-test installs it, starts it and removes it again as a user would.
package: deps
	cmake --preset $(PACKAGE_PRESET)
	cmake --build --preset $(PACKAGE_PRESET)
	rm -f build/$(PACKAGE_PRESET)/quendrel_*.deb
	cd build/$(PACKAGE_PRESET) && cpack -G DEB

package-test: package
	tests/packaging/round_trip.sh $(DEB)

build: configure
	cmake --build --preset $(PRESET)

configure: deps
	cmake --preset $(PRESET)

# Installs only what dpkg does not already report as installed: apt-get as root, sudo otherwise.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=; else sudo=sudo; fi; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

clean:
	rm -rf build
