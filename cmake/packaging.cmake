# The Debian package: `cpack -G DEB` in the build folder writes talvo_<version>_<arch>.deb
# from what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR TALVO)
set(CPACK_PACKAGE_CONTACT "TALVO <${TALVO_CONTACT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "KENO-Assistent: Spielscheine auswerten, Statistiken und Tipps")
# The long description below the summary; lines are joined by dpkg.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "TALVO führt die Gewinnzahlen aller KENO-Ziehungen, wertet Spielscheine gegen\n"
  "sie aus (Treffer, Gewinne, laufende Bilanz), zählt Häufigkeiten und Ausbleiber,\n"
  "schlägt Tipps vor, exportiert Tabellen in eine Tabellenkalkulation und druckt\n"
  "Tipptexte.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TALVO_WEB_SITE})
# The libraries the programs link come from dpkg-shlibdeps. What they load or start at
# run time does not show there: Qt's SQLite driver for the help's index, Qt's German
# texts for its dialogs, and xdg-open for the workbooks and links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-translations-l10n, xdg-utils")
include(CPack)
