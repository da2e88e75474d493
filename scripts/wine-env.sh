# Sourced by the scripts that run Windows programs: a private Wine prefix inside the
# build tree, no Wine chatter, and no offers to install Mono or Gecko.
# Needs BUILD_DIR set to the build folder.
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEARCH=win64
# Wine reads Unix file names in this locale's encoding: UTF-8, so names in any script reach
# the programs intact. The Windows locale Wine derives from it is English (United States):
# system code page 1252, as most of our users have. Programs whose manifest asks for UTF-8
# (the tool and most tests) get UTF-8 as their own code page; the others get 1252.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the private prefix in $WINEPREFIX" >&2
    DISPLAY= wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Debian's Wine ships Tahoma but does not find it, and dialogs then fall back to a font
  # with shorter dialog units than Windows has: put it where Windows keeps its fonts.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  for f in tahoma.ttf tahomabd.ttf; do
    if [ ! -f "$fonts/$f" ] && [ -f "/usr/share/wine/fonts/$f" ]; then
      mkdir -p "$fonts" && cp "/usr/share/wine/fonts/$f" "$fonts/"
    fi
  done
  wine_link_script_font "$fonts"
}

# Tahoma as Wine has it holds neither Greek nor Japanese, Chinese or Korean letters: names in
# those scripts would show as boxes. A font that covers them goes beside Tahoma, and the
# prefix makes it stand in for the fonts that Wine links to Tahoma for the letters Tahoma lacks
# (as Windows links its own), so the dialogs take those letters from it. Wine rewrites the
# links themselves whenever a program of another code page starts, so the prefix names the
# font as their replacement instead. Windows itself needs none of this.
wine_script_font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
wine_script_font_face="WenQuanYi Micro Hei"
wine_link_script_font() {
  local fonts=$1 name face
  name=$(basename "$wine_script_font")
  if [ ! -f "$wine_script_font" ]; then
    echo "wine: $wine_script_font is missing (fonts-wqy-microhei): names in Greek and CJK scripts will show as boxes" >&2
    return 0
  fi
  [ -f "$fonts/$name" ] || { mkdir -p "$fonts" && cp "$wine_script_font" "$fonts/"; }
  grep -q "\"MS UI Gothic\"=\"$wine_script_font_face\"" "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  for face in "MS UI Gothic" "SimSun" "PMingLiU" "Gulim"; do
    DISPLAY= wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "$wine_script_font_face" /f \
      </dev/null >/dev/null 2>&1 || true
  done
  wineserver -w
}

# Wine reads the display scale (LogPixels) for the whole prefix when a program starts: set it
# before the program starts and back to 96 (100 %) after it.
wine_set_log_pixels() {
  DISPLAY= wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
}

# One wineserver for the whole run. Wine's own services start with the first program and
# would inherit its output pipes (a test runner waiting for end of output waits forever),
# so start them here, detached from ours.
wine_start_server() {
  wineserver -p
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}
