# The two set-up commands of README.md:
#   make test   install what the build needs, build, run every test
#   make run    install what the build needs, build, run jobtool on the bundled example
#               (its summary, and its cable schedule and first floor plan in the build folder)
# Both are idempotent and cheap when nothing changed.
#   make package  install the Debian packaging tools as well, build the Debian
#               packages in their own build folder and check them (lintian, and
#               an outside project built against the unpacked packages alone)
#   make fuzz   install clang as well, build the fuzz targets in their own build
#               folder and run each for FUZZ_SECONDS (default 60)
#   make docs   install doxygen (and python3) as well and build the API reference into
#               $(BUILD_DIR)/docs/html; any undocumented public member fails it

BUILD_DIR   ?= build
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
DEB_PACKAGES = cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev \
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n poppler-utils fonts-dejavu-core
EXAMPLE     ?= examples/office.job
FUZZ_DIR    ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES = clang libclang-rt-dev
PACKAGE_DIR ?= build-pkg
PACKAGE_PACKAGES = dpkg-dev fakeroot file lintian help2man pkg-config
DOCS_PACKAGES = doxygen python3

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build test run fuzz package docs clean

all: build

# Installs the Debian packages only when one of them is missing.
deps:
	@missing=""; \
	for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -G "Unix Makefiles" $(CMAKE_EXTRA_ARGS)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) $(CTEST_ARGS)

run: build
	$(BUILD_DIR)/tools/jobtool/jobtool info $(EXAMPLE)
	$(BUILD_DIR)/tools/jobtool/jobtool schedule $(EXAMPLE) --force -o $(BUILD_DIR)/office-schedule.csv
	$(BUILD_DIR)/tools/jobtool/jobtool render $(EXAMPLE) --floor FFloor_1 --force -o $(BUILD_DIR)/office-floor1.svg
	@echo "Wrote $(BUILD_DIR)/office-schedule.csv and $(BUILD_DIR)/office-floor1.svg"

# libFuzzer needs clang; the fuzz build instruments everything with the
# fuzzer's coverage, AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz:
	@$(MAKE) --no-print-directory deps DEB_PACKAGES="$(DEB_PACKAGES) $(FUZZ_PACKAGES)"
	@[ -f $(FUZZ_DIR)/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) \
	  -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIDWELL_FUZZ=ON \
	  -DBUILD_TESTING=OFF $(CMAKE_EXTRA_ARGS)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_load fuzz_edit
	tests/fuzz/run $(FUZZ_DIR) $(FUZZ_SECONDS)

# Packages install under /usr; the build that makes them is a Release build
# of the programs alone.
package:
	@$(MAKE) --no-print-directory deps DEB_PACKAGES="$(DEB_PACKAGES) $(PACKAGE_PACKAGES)"
	@[ -f $(PACKAGE_DIR)/CMakeCache.txt ] || cmake -S . -B $(PACKAGE_DIR) -G "Unix Makefiles" \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF $(CMAKE_EXTRA_ARGS)
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	packaging/check $(PACKAGE_DIR)

# Configuring again lets a build folder made before doxygen was installed find
# it now; the reference is rebuilt only when a header or the main page changed.
docs:
	@$(MAKE) --no-print-directory deps DEB_PACKAGES="$(DEB_PACKAGES) $(DOCS_PACKAGES)"
	@if [ -f $(BUILD_DIR)/CMakeCache.txt ]; then cmake -S . -B $(BUILD_DIR) > /dev/null; \
	else cmake -S . -B $(BUILD_DIR) -G "Unix Makefiles" $(CMAKE_EXTRA_ARGS); fi
	cmake --build $(BUILD_DIR) --target docs
	@echo "API reference: $(BUILD_DIR)/docs/html/index.html"

clean:
	rm -rf $(BUILD_DIR)
