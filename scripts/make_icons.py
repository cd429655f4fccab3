#!/usr/bin/env python3
"""Writes the program's artwork into data/icons/: the toolbar and view icons (16 x 16),
the application icon and the title logo. Every picture is drawn here from a few shapes,
so the icons share one look; run this script after changing one and commit its output."""

import os

OUT = os.path.join(os.path.dirname(__file__), "..", "data", "icons")

INK = "#1f2d3d"
PAPER = "#ffffff"
BLUE = "#2f6fb3"
RED = "#c0392b"
GREEN = "#2e8b57"
AMBER = "#d99a1e"
GREY = "#8a96a3"


def svg(body, size=16, view=16):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {view} {view}">\n{body}\n</svg>\n')


def page(x=2.5, y=1.5, w=10, h=13, fold=3):
    return (f'<path d="M{x} {y} h{w - fold} l{fold} {fold} v{h - fold} h{-w} z" '
            f'fill="{PAPER}" stroke="{INK}" stroke-width="1"/>'
            f'<path d="M{x + w - fold} {y} v{fold} h{fold}" fill="none" stroke="{INK}"/>')


def lines(x, y, w, n, gap=2, color=GREY):
    return "".join(f'<path d="M{x} {y + i * gap} h{w}" stroke="{color}" stroke-width="1"/>'
                   for i in range(n))


def rows(x=1.5, y=2.5, w=13, n=4, gap=3, color=INK):
    out = ""
    for i in range(n):
        yy = y + i * gap
        out += (f'<rect x="{x}" y="{yy}" width="2" height="2" fill="{BLUE}"/>'
                f'<path d="M{x + 3.5} {yy + 1} h{w - 3.5}" stroke="{color}" stroke-width="1"/>')
    return out


def letter(text, x=8, y=12.5, size=8, color=INK):
    return (f'<text x="{x}" y="{y}" font-family="DejaVu Sans, sans-serif" font-weight="bold" '
            f'font-size="{size}" text-anchor="middle" fill="{color}">{text}</text>')


def folder():
    return (f'<path d="M1.5 4.5 h4 l1.5 1.5 h7.5 v7.5 h-13 z" fill="{AMBER}" stroke="{INK}"/>'
            f'<path d="M1.5 7.5 h13" stroke="{INK}"/>')


def disk():
    return (f'<rect x="2.5" y="2.5" width="11" height="11" rx="1" fill="{BLUE}" stroke="{INK}"/>'
            f'<rect x="4.5" y="2.5" width="7" height="4" fill="{PAPER}" stroke="{INK}"/>'
            f'<rect x="4.5" y="9.5" width="7" height="4" fill="{GREY}"/>')


def printer():
    return (f'<rect x="4.5" y="1.5" width="7" height="5" fill="{PAPER}" stroke="{INK}"/>'
            f'<rect x="1.5" y="6.5" width="13" height="5" rx="1" fill="{GREY}" stroke="{INK}"/>'
            f'<rect x="4.5" y="10.5" width="7" height="4" fill="{PAPER}" stroke="{INK}"/>')


def magnifier(cx=6.5, cy=6.5, r=3.5, color=INK):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#e8f1fb" stroke="{color}" '
            f'stroke-width="1.5"/>'
            f'<path d="M{cx + r * 0.7} {cy + r * 0.7} l4 4" stroke="{color}" stroke-width="2" '
            f'stroke-linecap="round"/>')


def pencil(x=8, y=8):
    return (f'<path d="M{x - 5} {y + 6} l1 -3 l7 -7 l2 2 l-7 7 z" fill="{AMBER}" stroke="{INK}" '
            f'stroke-width="0.8"/>')


def cross(cx=11.5, cy=11.5, r=2.5, color=RED):
    return (f'<path d="M{cx - r} {cy - r} l{2 * r} {2 * r} M{cx + r} {cy - r} l{-2 * r} {2 * r}" '
            f'stroke="{color}" stroke-width="2" stroke-linecap="round"/>')


def plus(cx=12, cy=12, r=3, color=GREEN):
    return (f'<path d="M{cx - r} {cy} h{2 * r} M{cx} {cy - r} v{2 * r}" stroke="{color}" '
            f'stroke-width="2"/>')


def antenna():
    return (f'<path d="M6 14.5 v-10 M2 4.5 h8 M3 7 h6 M4 9.5 h4" stroke="{INK}" '
            f'stroke-width="1.2"/>'
            f'<path d="M2.5 14.5 h7" stroke="{INK}" stroke-width="1.5"/>')


def star(cx=12, cy=11.5, color=AMBER):
    pts = []
    import math
    for i in range(10):
        r = 3.5 if i % 2 == 0 else 1.5
        a = math.pi / 2 + i * math.pi / 5
        pts.append(f"{cx + r * math.cos(a):.2f},{cy - r * math.sin(a):.2f}")
    return f'<polygon points="{" ".join(pts)}" fill="{color}" stroke="{INK}" stroke-width="0.5"/>'


def card(x=1.5, y=4.5, w=13, h=8):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="1" fill="{PAPER}" '
            f'stroke="{INK}"/>')


def clock(cx=11.5, cy=11.5, r=3.5):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{PAPER}" stroke="{INK}"/>'
            f'<path d="M{cx} {cy - 2} v2 h2" stroke="{INK}" fill="none"/>')


def arrow_right(y=8, color=BLUE):
    return (f'<path d="M1.5 {y} h9 M8 {y - 3} l3 3 l-3 3" stroke="{color}" stroke-width="1.6" '
            f'fill="none" stroke-linecap="round" stroke-linejoin="round"/>')


def window(x, y, w, h, fill=PAPER):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}" stroke="{INK}"/>'
            f'<rect x="{x}" y="{y}" width="{w}" height="2" fill="{BLUE}"/>')


def squares(size, gap, n):
    out = ""
    step = size + gap
    for r in range(n):
        for c in range(n):
            out += (f'<rect x="{1.5 + c * step}" y="{1.5 + r * step}" width="{size}" '
                    f'height="{size}" fill="{BLUE}" stroke="{INK}" stroke-width="0.5"/>')
    return out


def selection(states):
    out = ""
    for i, on in enumerate(states):
        y = 1.5 + i * 3.5
        fill = BLUE if on else PAPER
        out += (f'<rect x="1.5" y="{y}" width="13" height="2.5" fill="{fill}" stroke="{INK}" '
                f'stroke-width="0.6"/>')
    return out


ICONS = {
    "file_new": page() + plus(12, 12, 2.5),
    "file_open": folder(),
    "file_save": disk(),
    "export_text": page() + letter("T", 7.5, 12, 7, BLUE),
    "file_print": printer(),
    "file_print_preview": page(1.5, 1.5, 9, 12) + magnifier(9.5, 9.5, 3),
    "file_print_setup": printer() + f'<circle cx="12.5" cy="12.5" r="2.5" fill="{AMBER}" stroke="{INK}"/>',
    "print_normal_log": page() + lines(4.5, 5.5, 6, 4) + letter("L", 12.5, 15, 6, RED),
    "print_extended_log": page() + lines(4.5, 5.5, 6, 4) + letter("X", 12.5, 15, 6, RED),
    "print_card_labels": card(1.5, 2.5, 13, 5) + card(1.5, 8.5, 13, 5) + lines(3.5, 5, 8, 1, 2, BLUE) + lines(3.5, 11, 8, 1, 2, BLUE),
    "print_summary_sheet": page() + letter("Σ", 7.5, 12, 8, BLUE),
    "select_all": selection([True, True, True, True]),
    "deselect_all": selection([False, False, False, False]),
    "invert_selection": selection([True, False, True, False]),
    "show_only_selected": selection([True, True, False, False]) + f'<path d="M1 10 h14" stroke="{GREEN}" stroke-width="1.5"/>',
    "hide_selected": selection([False, True, False, True]) + cross(12, 12, 2.5),
    "view_contest_information": (f'<path d="M3 2.5 v10 h4 M3 7.5 h4" stroke="{INK}" fill="none"/>'
                                 f'<rect x="1.5" y="1" width="3" height="3" fill="{AMBER}" stroke="{INK}"/>'
                                 f'<rect x="7.5" y="6" width="7" height="3" fill="{PAPER}" stroke="{INK}"/>'
                                 f'<rect x="7.5" y="11" width="7" height="3" fill="{PAPER}" stroke="{INK}"/>'),
    "view_log": rows(),
    "view_graph": (f'<path d="M2.5 1.5 v12 h12" stroke="{INK}" fill="none"/>'
                   f'<path d="M3 12 L6 9 L9 9.5 L14 3" stroke="{RED}" stroke-width="1.5" fill="none"/>'),
    "view_large_icons": squares(5.5, 1.5, 2),
    "view_small_icons": squares(3, 1.5, 3),
    "view_list": (f'<rect x="1.5" y="2" width="2" height="2" fill="{BLUE}"/><path d="M4.5 3 h3" stroke="{INK}"/>'
                  f'<rect x="1.5" y="6" width="2" height="2" fill="{BLUE}"/><path d="M4.5 7 h3" stroke="{INK}"/>'
                  f'<rect x="1.5" y="10" width="2" height="2" fill="{BLUE}"/><path d="M4.5 11 h3" stroke="{INK}"/>'
                  f'<rect x="9" y="2" width="2" height="2" fill="{BLUE}"/><path d="M12 3 h3" stroke="{INK}"/>'
                  f'<rect x="9" y="6" width="2" height="2" fill="{BLUE}"/><path d="M12 7 h3" stroke="{INK}"/>'),
    "view_details": rows(1.5, 2.5, 13, 4, 3) + f'<path d="M8.5 1.5 v13" stroke="{GREY}"/>',
    "window_new": window(1.5, 1.5, 10, 9) + plus(12, 12, 3),
    "window_cascade": window(1.5, 1.5, 9, 7) + window(5.5, 6.5, 9, 8),
    "window_tile": window(1.5, 1.5, 13, 6) + window(1.5, 8.5, 13, 6),
    "window_arrange": (f'<rect x="1.5" y="11.5" width="4" height="3" fill="{BLUE}" stroke="{INK}"/>'
                       f'<rect x="6.5" y="11.5" width="4" height="3" fill="{BLUE}" stroke="{INK}"/>'
                       f'<rect x="11.5" y="11.5" width="3" height="3" fill="{BLUE}" stroke="{INK}"/>'),
    "help_finder": (f'<path d="M2.5 2.5 h5 v11 h-5 z M8.5 2.5 h5 v11 h-5 z" fill="{PAPER}" stroke="{INK}"/>'
                    + letter("?", 8, 11, 8, BLUE)),
    "app_about": f'<circle cx="8" cy="8" r="6.5" fill="{BLUE}" stroke="{INK}"/>' + letter("i", 8, 12, 10, PAPER),
    "context_help": (f'<path d="M2 2 v10 l2.5 -2.5 l2 4 l1.5 -0.8 l-2 -3.8 h3.5 z" fill="{PAPER}" stroke="{INK}" stroke-width="0.8"/>'
                     + letter("?", 12.5, 9, 8, BLUE)),
    "band_add": antenna() + plus(12.5, 11.5, 2.5),
    "band_change": antenna() + pencil(11, 9),
    "band_delete": antenna() + cross(12, 11.5, 2.2),
    "band_activate": antenna() + star(12, 11),
    "import": page(5.5, 1.5, 9, 13) + arrow_right(9, GREEN),
    "input": rows(1.5, 1.5, 13, 3, 3) + pencil(10, 8),
    "manual_input": rows(1.5, 1.5, 13, 2, 3) + clock(11.5, 11.5, 3.5),
    "delete": rows(1.5, 1.5, 13, 3, 3) + cross(11.5, 11.5, 2.8),
    "change": rows(1.5, 1.5, 13, 2, 3, GREY) + f'<rect x="1" y="8" width="14" height="3" fill="{AMBER}" opacity="0.6"/>' + pencil(10, 8),
    "batch_sent": rows(1.5, 1.5, 8, 4, 3) + letter("S", 12.5, 13, 8, RED),
    "batch_points": rows(1.5, 1.5, 8, 4, 3) + letter("P", 12.5, 13, 8, RED),
    "batch_mode": rows(1.5, 1.5, 8, 4, 3) + f'<path d="M9.5 10 q1 -3 2 0 t2 0" stroke="{RED}" stroke-width="1.3" fill="none"/>',
    "batch_calling": rows(1.5, 1.5, 6, 4, 3) + letter("CQ", 12, 13, 6, RED),
    "batch_card": rows(1.5, 1.5, 6, 4, 3) + card(9.5, 7.5, 6, 5),
    "search_log": rows(1.5, 1.5, 13, 2, 3, GREY) + magnifier(7, 10, 3),
    "search_city": (f'<path d="M5 1.5 c-2.5 0 -3.5 2 -3.5 3.5 c0 2.5 3.5 6 3.5 6 s3.5 -3.5 3.5 -6 c0 -1.5 -1 -3.5 -3.5 -3.5 z" fill="{RED}" stroke="{INK}" stroke-width="0.7"/>'
                    + magnifier(10, 10, 2.8)),
    "clean": (rows(1.5, 1.5, 13, 2, 3, GREY) + star(8, 11, GREEN)),
    # List and tree images.
    "log_entry": (f'<rect x="2.5" y="3.5" width="11" height="9" rx="1" fill="{PAPER}" stroke="{INK}"/>'
                  + lines(4.5, 6.5, 7, 3, 2, BLUE)),
    "city_code": (f'<path d="M8 1.5 c-3 0 -4.5 2.5 -4.5 4.5 c0 3.5 4.5 8.5 4.5 8.5 s4.5 -5 4.5 -8.5 c0 -2 -1.5 -4.5 -4.5 -4.5 z" fill="{RED}" stroke="{INK}"/>'
                  f'<circle cx="8" cy="6" r="1.6" fill="{PAPER}"/>'),
    "tree_root": f'<circle cx="8" cy="8" r="6" fill="{BLUE}" stroke="{INK}"/>' + letter("Q", 8, 11.5, 9, PAPER),
    "tree_closed": folder(),
    "tree_open": (f'<path d="M1.5 4.5 h4 l1.5 1.5 h6 v2" fill="none" stroke="{INK}"/>'
                  f'<path d="M1.5 13.5 l2 -6 h11 l-2 6 z" fill="{AMBER}" stroke="{INK}"/>'
                  f'<path d="M1.5 4.5 v9" stroke="{INK}"/>'),
    "tree_value": f'<rect x="4.5" y="4.5" width="7" height="7" fill="{PAPER}" stroke="{BLUE}" stroke-width="1.5"/>',
}

# The application icon: a quill writing a log line, on a round blue field.
APP = svg(
    '<circle cx="24" cy="24" r="22" fill="#2f6fb3" stroke="#1f2d3d" stroke-width="2"/>'
    '<path d="M10 33 h20" stroke="#ffffff" stroke-width="2.5" stroke-linecap="round"/>'
    '<path d="M10 27 h12" stroke="#cfe0f3" stroke-width="2" stroke-linecap="round"/>'
    '<path d="M38 8 C28 12 22 20 20 32 C26 26 33 20 38 8 z" fill="#ffffff" stroke="#1f2d3d" '
    'stroke-width="1"/>'
    '<path d="M37 9 L21 31" stroke="#8a96a3" stroke-width="1"/>'
    '<path d="M20 32 l-2 4" stroke="#d99a1e" stroke-width="2" stroke-linecap="round"/>',
    48, 48)

# The icon of a contest data file: a log sheet with the quill.
DOCUMENT = svg(
    '<path d="M8 3 h24 l8 8 v34 h-32 z" fill="#ffffff" stroke="#1f2d3d" stroke-width="2"/>'
    '<path d="M32 3 v8 h8" fill="none" stroke="#1f2d3d" stroke-width="2"/>'
    '<path d="M13 18 h18 M13 24 h22 M13 30 h16 M13 36 h20" stroke="#8a96a3" stroke-width="2"/>'
    '<path d="M44 14 C36 18 31 25 29 36 C34 31 40 25 44 14 z" fill="#2f6fb3" stroke="#1f2d3d"/>',
    48, 48)

LOGO = (
    '<svg xmlns="http://www.w3.org/2000/svg" width="480" height="240" viewBox="0 0 480 240">\n'
    '<rect width="480" height="240" fill="#ffffff"/>'
    '<rect x="0" y="0" width="480" height="12" fill="#2f6fb3"/>'
    '<rect x="0" y="228" width="480" height="12" fill="#2f6fb3"/>'
    '<g transform="translate(40 56) scale(2.6)">'
    '<circle cx="24" cy="24" r="22" fill="#2f6fb3" stroke="#1f2d3d" stroke-width="2"/>'
    '<path d="M10 33 h20" stroke="#ffffff" stroke-width="2.5" stroke-linecap="round"/>'
    '<path d="M10 27 h12" stroke="#cfe0f3" stroke-width="2" stroke-linecap="round"/>'
    '<path d="M38 8 C28 12 22 20 20 32 C26 26 33 20 38 8 z" fill="#ffffff" stroke="#1f2d3d" stroke-width="1"/>'
    '<path d="M20 32 l-2 4" stroke="#d99a1e" stroke-width="2" stroke-linecap="round"/>'
    '</g>'
    '<text x="190" y="120" font-family="Noto Sans CJK JP, sans-serif" font-size="44" '
    'font-weight="bold" fill="#1f2d3d">クイルマーク</text>'
    '<text x="192" y="156" font-family="DejaVu Sans, sans-serif" font-size="20" '
    'fill="#2f6fb3">Quillmark</text>'
    '<text x="192" y="190" font-family="Noto Sans CJK JP, sans-serif" font-size="12" '
    'fill="#5b6b7b">アマチュア無線コンテスト ロギング プログラム</text>\n'
    '</svg>\n')


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, body in ICONS.items():
        with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg(body))
    with open(os.path.join(OUT, "quillmark.svg"), "w", encoding="utf-8") as f:
        f.write(APP)
    with open(os.path.join(OUT, "application-x-quillmark.svg"), "w", encoding="utf-8") as f:
        f.write(DOCUMENT)
    with open(os.path.join(OUT, "title_logo.svg"), "w", encoding="utf-8") as f:
        f.write(LOGO)


if __name__ == "__main__":
    main()
