#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every command of codebrindle-cli over the real workbooks of
# ../shared/testdata and over a generated project, and keeps each output,
# standard error and exit code in OUTDIR. Two runs, one per build, are then
# compared with `diff -r`: a reshaping of the core must leave them equal.
#
#   tools/cli_vergleich.sh CLI CBWB OUTDIR [TESTDATA]
#
# The project folders are built in one fixed place, so that messages naming
# them read the same in both runs; the generated workbook is written once by
# the first run's cbwb and reused, so that both read the same bytes.
set -uo pipefail
cli=$1
cbwb=$2
out=$3
daten=${4:-"$(cd "$(dirname "$0")/.." && pwd)/../shared/testdata"}
# Two comparisons at once need places of their own: CB_VERGLEICH_ORT.
ort=${CB_VERGLEICH_ORT:-/tmp/cb_vergleich}
arbeit=${ort}_arbeit
rm -rf "$out" "$arbeit"
mkdir -p "$out" "$arbeit"

# Runs the CLI, keeping stdout, stderr and the exit code under one name.
lauf() {
    local name=$1
    shift
    "$cli" "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo $? >"$out/$name.rc"
}

# Every query and export of a project folder, per module and per routine.
projekt_befragen() {
    local tag=$1 dir=$2
    lauf "$tag.outline" outline "$dir"
    lauf "$tag.html" html "$dir"
    lauf "$tag.html_credit" html "$dir" --credit
    lauf "$tag.rtf" rtf "$dir" --out "$arbeit/p.rtf"
    cp "$arbeit/p.rtf" "$out/$tag.rtf.datei" 2>/dev/null
    local modul=""
    local erstes=""
    while IFS= read -r zeile; do
        zeile=${zeile%$'\r'}
        if [[ $zeile != $'\t'* ]]; then
            modul=$zeile
            [ -z "$erstes" ] && erstes=$modul
            local m=${modul//[^A-Za-z0-9_]/_}
            lauf "$tag.m.$m.text" text "$dir" --module "$modul"
            lauf "$tag.m.$m.html" html "$dir" --module "$modul"
            lauf "$tag.m.$m.rtf" rtf "$dir" --module "$modul" --out "$arbeit/m.rtf"
            cp "$arbeit/m.rtf" "$out/$tag.m.$m.rtf.datei" 2>/dev/null
        else
            local r=${zeile#$'\t'}
            local m=${modul//[^A-Za-z0-9_]/_}
            local rn=${r//[^A-Za-z0-9_]/_}
            lauf "$tag.r.$m.$rn.callers" callers "$dir" "$r" --module "$modul"
            lauf "$tag.r.$m.$rn.def" definition "$dir" "$r" --module "$modul"
            lauf "$tag.r.$m.$rn.def1" definition "$dir" "$r" --module "$erstes"
        fi
    done <"$out/$tag.outline.out"
    # The stored project itself: module text files byte for byte, rows of
    # the database in a fixed order.
    for f in "$dir"/M*.txt; do
        [ -e "$f" ] && cp "$f" "$out/$tag.datei.$(basename "$f")"
    done
    if [ -e "$dir/CodeBrindle.mdb" ]; then
        sqlite3 "$dir/CodeBrindle.mdb" \
            "SELECT * FROM td_mod ORDER BY mod_num; SELECT * FROM td_rout ORDER BY rou_num;" \
            >"$out/$tag.db" 2>&1
    fi
}

n=0
while IFS= read -r -d '' mappe; do
    n=$((n + 1))
    tag="wb$n"
    echo "$mappe" >"$out/$tag.name"
    lauf "$tag.list" list "$mappe"
    rm -rf "$arbeit/proj"
    lauf "$tag.read" read --out "$arbeit/proj" "$mappe"
    [ -d "$arbeit/proj" ] && projekt_befragen "$tag" "$arbeit/proj"
done < <(find "$daten" -type f \( -iname '*.xls*' -o -iname '*.xl[at]*' -o -iname '*.doc*' \
    -o -iname '*.dot*' -o -iname '*.ppt*' -o -iname '*.bin' \) -print0 | sort -z)

# Module files of the test data, read as a project of files.
quellen=()
while IFS= read -r -d '' q; do quellen+=("$q"); done < <(find "$daten" -type f \( -iname '*.bas' -o -iname '*.cls' \
    -o -iname '*.frm' \) -print0 | sort -z)
for q in "${quellen[@]}"; do
    n=$((n + 1))
    tag="src$n"
    echo "$q" >"$out/$tag.name"
    rm -rf "$arbeit/proj"
    lauf "$tag.read" read --out "$arbeit/proj" "$q"
    [ -d "$arbeit/proj" ] && projekt_befragen "$tag" "$arbeit/proj"
    # The stdin converters under a few option mixes.
    lauf "$tag.rtf_std" rtf - <"$q"
    lauf "$tag.html_std" html - <"$q"
    lauf "$tag.rtf_opt" rtf - --option einr=-1 --option rer=-1 --option rle=-1 --option rouf=0 <"$q"
    lauf "$tag.html_opt" html - --option leer=-1 --option tab=7 --option "font=Courier New,12" <"$q"
done

# A generated project of a few hundred modules.
gen=${ort}_generiert.xlsm
[ -e "$gen" ] || "$cbwb" --generate 300 30000 "$gen" >/dev/null
rm -rf "$arbeit/proj"
lauf gen.list list "$gen"
lauf gen.read read --out "$arbeit/proj" "$gen"
projekt_befragen gen "$arbeit/proj"
echo "$n inputs, $(ls "$out" | wc -l) files in $out"
