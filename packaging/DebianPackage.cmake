# SPDX-License-Identifier: GPL-3.0-or-later
# `make package` (or `cpack -G DEB` in the build folder): build/yomiwa_VERSION_ARCH.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "yomiwa")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Yomiwa maintainers <maintainers@yomiwa.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "read and write Japanese haiku collections")
# Lines of the long description stay within 80 columns, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
  "Yomiwa reads Japanese haiku collections (kushu) page by page on a vertical
tanzaku strip, with the author's commentary and a box for the reader's own
comments, and lets authors make collections and new editions in an editor
guarded by a password. yomiwa-tool converts collections and comments files
to JSON and back, draws their pages as PDF and PNG, searches every collection
of a folder, and counts the morae (5-7-5) of verses.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "text")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries come from the binaries themselves (dpkg-shlibdeps: libmecab2 among them); the
# program also needs Japanese Mincho and Gothic faces, Qt's Japanese translations and the
# dictionary MeCab reads kanji with, which no binary names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-ipafont-mincho | fonts-noto-cjk, fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n, mecab-ipadic-utf8")
# Noto Serif CJK gives a real bold Mincho on paper.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
