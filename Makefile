# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The two everyday commands: `make run` and `make test`. Both install whatever
# Debian packages are missing first, so they work on a fresh machine.
JOBS ?= $(shell nproc)
RUN_DIR := build/run
TEST_DIR := build/test

.PHONY: run test bench package deps clean

deps:
	@bash scripts/install-deps.sh

run: deps
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAPALONG_TESTS=OFF
	cmake --build $(RUN_DIR) -j $(JOBS)
	./$(RUN_DIR)/src/app/tapalong

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAPALONG_WERROR=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(TEST_DIR) --output-on-failure -j $(JOBS)
	JOBS=$(JOBS) bash scripts/sanitize-tests.sh

bench: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAPALONG_WERROR=ON
	cmake --build $(TEST_DIR) --target bench -j $(JOBS)
	./$(TEST_DIR)/bench/bench

# The Debian package, from the same build as `make run`.
package: deps
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAPALONG_TESTS=OFF
	cmake --build $(RUN_DIR) -j $(JOBS)
	cd $(RUN_DIR) && cpack -G DEB
	@ls $(RUN_DIR)/tapalong_*.deb

clean:
	rm -rf build
