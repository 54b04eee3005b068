# The Debian package: `cpack -G DEB` in a release build folder, or scripts/package.sh
# from a clean tree. Everything goes below /usr, where the programs find their data
# (bin/../share/qz) without any environment variable.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qz)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The QZ developers")
set(CPACK_PACKAGE_CONTACT "The QZ developers <qz@qzlog.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keep, score, check and convert amateur-radio contest logs")
set(CPACK_PACKAGE_DESCRIPTION
    "QZ keeps, scores, checks and converts the logs of amateur-radio
contests: a log editor with fast append (qz-gui) and a command-line
program (qz). They score logs by the rules of about 85 contests, read
Cabrillo, STF, ADIF, column text and the logs of other programs, write
the submission formats, send a log to the contest's log robot and run
all of this over many files at once.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://qzlog.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The country file of the distribution is offered as a choice in the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS hamradio-files)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
