# The one configuration of build/release, shared by start.sh and test.sh: every option is set here,
# so whichever script runs first, the other finds the folder as it needs it.
configure_release() {
  cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DADVISOR_GUI=ON -DADVISOR_BENCH=ON \
    -DADVISOR_SANITIZE=OFF >/dev/null
}

configure_sanitize() {
  cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DADVISOR_GUI=ON -DADVISOR_BENCH=OFF \
    -DADVISOR_SANITIZE=ON >/dev/null
}
