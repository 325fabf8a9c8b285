# Install rules of the Windows build: the two programs and the help file in one folder, as
# the installer lays them out (scripts/build-windows.sh adds the DLLs and plugins and makes
# the installer and the portable zip from build-windows/bin).
install(TARGETS zozavud zozavud-cli RUNTIME DESTINATION .)
install(FILES ${ZOZAVUD_HELP_FILE} DESTINATION .)
