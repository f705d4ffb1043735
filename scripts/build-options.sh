# The configure options of the test command's build trees, read by scripts/test and scripts/fuzz
# (sourced). All keep their assertions.
# shellcheck disable=SC2034

# The everyday tree: no debug information and light optimisation build in about three quarters of
# the time RelWithDebInfo takes, and run every test as quickly.
everyday_options=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O1 -DPENTAVO_WERROR=ON)
# The checked trees keep their debug information, for the sanitizers' reports.
checked_options=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" -DPENTAVO_BENCH=OFF)
sanitize_options=("${checked_options[@]}" -DPENTAVO_SANITIZE=ON)
fuzz_options=("${checked_options[@]}" -DCMAKE_CXX_COMPILER=clang++ -DPENTAVO_FUZZ=ON -DPENTAVO_GUI=OFF)
