# SPDX-License-Identifier: MIT
# The two set-up commands: `make run` and `make test`. Each installs the Debian packages that are
# missing, configures, builds, and then starts the program or runs every test.

PACKAGES := g++ cmake ninja-build pkg-config libicu-dev libgtest-dev
PRESET := dev

.PHONY: run test build configure deps clean

run: build
	@echo "quendrel: the core and the window model are built and tested; the window itself is not built yet."

test: build
	ctest --preset $(PRESET)

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
