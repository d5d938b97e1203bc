# Thin wrappers over the CMake presets; `make run` and `make test` are the two commands of the README.
PRESET   ?= release
WORKDIR  ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/arbeitszeugnis
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEBS     := g++ clang-14 libclang-rt-14-dev cmake ninja-build pkg-config qt6-base-dev libgl-dev libqt6sql6-sqlite libsqlite3-dev \
            qt6-translations-l10n fonts-dejavu-core libbenchmark-dev clang-format xvfb xauth xclip

.PHONY: deps build run test asan-test format format-check bench clean

deps:
	@missing=$$(for p in $(DEBS); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installiere fehlende Pakete:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET)

# Builds, puts the catalogue into the user's working folder (keeping unfinished work) and starts the wizard there.
run: build
	mkdir -p "$(WORKDIR)"
	build/$(PRESET)/catalogue/katalogbau --installieren "$(WORKDIR)/system98.dll" build/$(PRESET)/catalogue/system98.dll
	cd "$(WORKDIR)" && exec "$(CURDIR)/build/$(PRESET)/zeugnis"

test: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev
	ctest --preset dev

asan-test: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

format:
	git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs -r clang-format -i

format-check: deps
	git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs -r clang-format --dry-run -Werror

bench: build
	cd build/$(PRESET)/bench && for b in ./bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf build
