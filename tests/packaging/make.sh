# run_make TARGET VAR=VALUE...: the project's Makefile target, as a user
# runs it, its output in $work/make.log. The test may itself run under make
# (make test): that make's job-server settings are not for this one.
run_make() {
  env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$src" --no-print-directory "$@" \
    >>"$work/make.log" 2>&1 || { cat "$work/make.log" >&2; fail "make $*"; }
}
