#!/bin/sh
# The package's strip: also drops the compiler's .comment and .note sections,
# which nothing reads at run time.
exec strip --remove-section=.comment --remove-section=.note "$@"
