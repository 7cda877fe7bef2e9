#!/usr/bin/env bash
# Builds the Debian package from a native build, unpacks it into a scratch root as dpkg would
# install it, starts the installed game headless, and checks that the player's files land in
# $XDG_DATA_HOME/tallyrope and nothing under the install root changes. Then checks the menu
# entry and the AppStream metadata with Debian's validators.
# Usage: installed_game_test.sh CPACK CPACK_CONFIG
set -euo pipefail

cpack=${1:?usage: installed_game_test.sh CPACK CPACK_CONFIG}
config=${2:?usage: installed_game_test.sh CPACK CPACK_CONFIG}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0

fail() {
    echo "FAIL: $*" >&2
    echo "$passed passed, 1 failed"
    exit 1
}
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}
listing() {
    (cd "$1" && find . -printf '%p %y %s %m %T@\n' | LC_ALL=C sort)
}

"$cpack" --config "$config" -G DEB -B "$scratch/package" >"$scratch/cpack.log" ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(find "$scratch/package" -maxdepth 1 -name 'tallyrope_*_amd64.deb')
[ -f "$deb" ] || fail "no tallyrope_VERSION_amd64.deb"

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in 'fonts-liberation2 | fonts-liberation' fonts-dejavu-core libsdl2-2.0-0 \
    libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0; do
    [[ "$depends" == *"$wanted"* ]] || fail "Depends lacks $wanted: $depends"
done
pass "package $(basename "$deb"), section games, depends on the SDL libraries and the fonts"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"
for file in games/tallyrope share/tallyrope/OnLoad.dat share/tallyrope/OnLoad-de.dat \
    share/tallyrope/OnLoad-pt_BR.dat share/tallyrope/help/pages/welcome.html \
    share/tallyrope/help/images/main-window.png share/applications/tallyrope.desktop \
    share/icons/hicolor/scalable/apps/tallyrope.svg share/man/man6/tallyrope.6.gz \
    share/doc/tallyrope/copyright share/doc/tallyrope/changelog.gz; do
    [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done
for size in 16 32 48 64 128 256; do
    [ -f "$usr/share/icons/hicolor/${size}x${size}/apps/tallyrope.png" ] ||
        fail "the package lacks the ${size} pixel icon"
done
[ -x "$usr/games/tallyrope" ] || fail "/usr/games/tallyrope is not executable"
pass "the program, its stores, guide, menu entry, icons, manual and copyright are in place"

listing "$root" >"$scratch/before"
data_home="$scratch/data"
home="$scratch/home"
mkdir -p "$data_home" "$home"
# Started from its own folder, so a file written beside the working folder shows up too; in
# English, whatever the locale the test runs in.
(cd "$usr/games" && env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
    LANG=C.UTF-8 SDL_AUDIODRIVER=dummy \
    XDG_DATA_HOME="$data_home" HOME="$home" ./tallyrope --screenshot "$scratch/shot.png") ||
    fail "the installed game did not start and quit cleanly"
listing "$root" >"$scratch/after"
diff "$scratch/before" "$scratch/after" >&2 || fail "the game changed files under the install root"
[ -z "$(ls -A "$home")" ] || fail "the game wrote into HOME although XDG_DATA_HOME is set"
pass "the installed game ran headless and left the install root as it was"

player="$data_home/tallyrope"
[ "$(head -c 8 "$scratch/shot.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "no PNG screenshot"
cmp -s "$player/OnLoad.dat" "$usr/share/tallyrope/OnLoad.dat" ||
    fail "the player's store is not the shipped one after a quit with no changes"
[ "$(cat "$player/TRData.dat")" = "Data purged..." ] || fail "TRData.dat was not purged at quit"
[ "$(cat "$player/TRStats.dat")" = "0 0 0 0 0 0" ] || fail "TRStats.dat does not hold fresh scores"
grep -q '^Disable_Console= 1' "$player/TRC_CONFIG.INI" || fail "TRC_CONFIG.INI was not written"
pass "the player's files are in \$XDG_DATA_HOME/tallyrope"

# A desktop in German: the German store comes from the install beside the English one.
env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES LANGUAGE=de LANG=de_DE.UTF-8 \
    SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$data_home" HOME="$home" "$usr/games/tallyrope" \
    --screenshot "$scratch/shot.png" || fail "the installed game did not start in German"
cmp -s "$player/OnLoad-de.dat" "$usr/share/tallyrope/OnLoad-de.dat" ||
    fail "the German desktop did not get the shipped German store"
[ "$(cat "$player/TRData-de.dat")" = "Data purged..." ] || fail "TRData-de.dat was not purged"
cmp -s "$player/OnLoad.dat" "$usr/share/tallyrope/OnLoad.dat" ||
    fail "the English store changed in a German run"
pass "on a German desktop the game plays the German puzzles and keeps the English ones"

entry="$usr/share/applications/tallyrope.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects tallyrope.desktop"
for line in 'GenericName[de]=Worträtsel' \
    'Comment[fr]=Devinez la phrase cachée lettre par lettre avant que le bonhomme à la craie ne soit achevé' \
    'Keywords[pt_BR]=palavra;adivinhar;frase;letras;charada;giz;forca;dois jogadores;'; do
    grep -qxF "$line" "$entry" || fail "the menu entry lacks $line"
done
metainfo=$(find "$usr/share/metainfo" -name '*.metainfo.xml')
[ -f "$metainfo" ] || fail "no AppStream metainfo"
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" ||
    { cat "$scratch/appstream.log" >&2; fail "appstreamcli rejects $(basename "$metainfo")"; }
pass "the menu entry, in the catalogues' languages, and the AppStream metadata validate"

echo "$passed passed, 0 failed"
