BUILD ?= build
JOBS ?= 2

.PHONY: deps build run test screenshot gallery assets clean

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
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/make_skins resources/skins
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/make_welcome resources/welcome.jpg

# Keeps the records and the custom bank that users made in the build folder.
clean:
	bash scripts/clean.sh $(BUILD)
