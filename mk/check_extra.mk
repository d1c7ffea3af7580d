# make check-extra: the sanitizer suite of core, catalogue and editor, then a
# short run of every fuzz target (tests/fuzz/check_extra.sh says how).
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 15

.PHONY: check-extra

check-extra:
	ASAN_BUILD=$(ASAN_BUILD) FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) \
		tests/fuzz/check_extra.sh
