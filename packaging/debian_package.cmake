# The Debian package, built by scripts/package with CPack. Its dependencies are the
# packages dpkg-shlibdeps finds for the installed programs' libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere-gift)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quillmere team <team@quillmere.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw gifts: a picture puzzle that is its own program")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillmere Gift turns a picture into a jigsaw puzzle that travels as one
executable file: whoever receives it runs it, reads the sender's message and
solves the puzzle. quillmere-wrap makes such gifts, also portable ones that run
where Qt is not installed; quillmere-inspect shows what a gift holds.")
# Loaded while running, so dpkg-shlibdeps cannot see them: Qt's Wayland platform
# plugin, and fonts metric-compatible with the ones gifts name. The gift maker turns
# MIDI music into sound with FluidSynth and a General MIDI sound font, and refuses
# MIDI without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation, fluidsynth, fluid-soundfont-gm")
# Qt's WebP and TIFF readers, which the gift maker loads as plugins (libheif, for HEIC
# and AVIF, is linked and found by dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quillmere.example)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Strips the installed tools; the players are stripped when they are made.
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
