BUILD ?= build
JOBS ?= 2

.PHONY: deps build run test screenshot clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/numora

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

screenshot: build
	bash scripts/screenshot.sh $(BUILD)/numora docs/screenshot.png

clean:
	rm -rf $(BUILD)
