# make bench: start-up time against a bare Qt window, peak memory after
# start-up and after drilling one set, and the drill steps, each printed
# against its target. An optimised build of its own unless BENCH_BUILD says
# otherwise; BENCH_STRICT=1 fails when a target is missed.
BENCH_BUILD ?= build-bench
BENCH_RUNS ?= 21

.PHONY: bench

bench:
	scripts/install-deps
	@test -f $(BENCH_BUILD)/CMakeCache.txt || cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_BUILD) --target potoran_bench -j $(JOBS)
	python3 bench/run_bench.py --build $(BENCH_BUILD) --runs $(BENCH_RUNS) $(if $(filter 1,$(BENCH_STRICT)),--strict)
