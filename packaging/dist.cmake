# SPDX-License-Identifier: MIT
# The source release, `make dist`: the commit as quendrel-VERSION.tar.xz in the build folder, as
# `git archive` writes it, every file dated at the commit. It also writes the commit's time into
# packaging/source_date_epoch (export-subst in .gitattributes): an unpacked release has no history
# to ask, and `make package` there dates the package by that file, as the clone's by the commit.
set(tarball quendrel-${PROJECT_VERSION}.tar.xz)
add_custom_target(dist
  COMMAND git -C ${PROJECT_SOURCE_DIR} -c "tar.tar.xz.command=xz -c" archive
          --prefix=quendrel-${PROJECT_VERSION}/ -o ${PROJECT_BINARY_DIR}/${tarball} HEAD
  COMMENT "Writing ${tarball} from the commit"
  VERBATIM)
