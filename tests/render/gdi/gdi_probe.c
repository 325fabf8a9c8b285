/* Draws each case of a case list with GDI, as the editor on Windows draws a record's
 * text: CreateFont from the record's height, charset and style without smoothing, the
 * text extent for width and cell height, a transparent TextOut at the cell's top-left on
 * a 256 x 48 surface, and the 25 rows the vertical offset picks. Built with mingw and run
 * under Wine by scripts/regen-gdi-reference.sh.
 *
 * Case line (tab-separated, UTF-8):
 *   id  record-face  drawn-face  charset  height  style  lines  offset|default  text1  text2
 * Output per case: the case line, "measure w1 h1 w2 h2 offset", "font FACE asc desc",
 * "picture X0 X1 Y0 Y1" and the rows Y0..Y1 of the picture, '#' lit and '.' not, for
 * columns X0..X1 (every pixel outside that box is unlit), or "picture blank".
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define CANVAS_W 256
#define CANVAS_H 48
#define ROWS 25
#define FIELDS 10

static DWORD *bits;

static void to_wide(const char *utf8, WCHAR *out, int cap) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, out, cap);
    if (n <= 0) out[0] = 0;
}

static int split(char *line, char **field) {
    int n = 0;
    field[n++] = line;
    for (char *p = line; *p && n < FIELDS; ++p)
        if (*p == '\t') { *p = 0; field[n++] = p + 1; }
    return n;
}

static void clear_canvas(void) {
    for (int y = 0; y < CANVAS_H; ++y)
        for (int x = 0; x < CANVAS_W; ++x)
            bits[y * CANVAS_W + x] = x < 128 ? 0x00FFFFFF : 0x00FFFF00; /* DIB is 0x00RRGGBB */
}

static int lit(int x, int y) {
    if (x < 0 || y < 0 || x >= CANVAS_W || y >= CANVAS_H) return 0;
    DWORD v = bits[y * CANVAS_W + x] & 0x00FFFFFF;
    return v != 0x00FFFFFF && v != 0x00FFFF00 && v != 0x00C0C0C0;
}

static int centred_x(int w, const WCHAR *text) {
    return (w <= 128 && text[0] != L' ') ? (128 - w) / 2 : 0;
}

static int alone_y(int lines, int animated, int h) {
    if (animated) return lines == 2 ? 13 : 8;
    return h <= 24 ? (ROWS - h) / 2 : 0;
}

static void extent(HDC dc, const WCHAR *text, SIZE *size) {
    size->cx = size->cy = 0;
    GetTextExtentPoint32W(dc, text, (int)wcslen(text), size);
    if (!text[0]) size->cx = 0;
}

static void write_picture(FILE *out, int offset) {
    int x0 = CANVAS_W, x1 = -1, y0 = ROWS, y1 = -1;
    for (int i = 0; i < ROWS; ++i)
        for (int x = 0; x < CANVAS_W; ++x)
            if (lit(x, i + offset)) {
                if (x < x0) x0 = x;
                if (x > x1) x1 = x;
                if (i < y0) y0 = i;
                y1 = i;
            }
    if (x1 < 0) { fprintf(out, "picture blank\n"); return; }
    fprintf(out, "picture %d %d %d %d\n", x0, x1, y0, y1);
    for (int i = y0; i <= y1; ++i) {
        for (int x = x0; x <= x1; ++x) fputc(lit(x, i + offset) ? '#' : '.', out);
        fputc('\n', out);
    }
}

static void draw_case(HDC dc, char **f, FILE *out) {
    static WCHAR face[256], text1[512], text2[512];
    to_wide(f[2], face, 256);
    to_wide(f[8], text1, 512);
    to_wide(f[9], text2, 512);
    int charset = atoi(f[3]), height = atoi(f[4]), style = atoi(f[5]), lines = atoi(f[6]);
    HFONT font = CreateFontW(height, 0, 0, 0, (style & 1) ? FW_BOLD : FW_NORMAL, style & 2 ? 1 : 0,
                             style & 4 ? 1 : 0, style & 8 ? 1 : 0, (BYTE)charset,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                             DEFAULT_PITCH, face);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE s1, s2, a;
    extent(dc, text1, &s1);
    extent(dc, text2, &s2);
    extent(dc, L"A", &a);
    int offset = strcmp(f[7], "default") == 0 ? (a.cy <= 12 ? 0 : (a.cy - 12) / 2) : atoi(f[7]);
    int animated = lines == 2 && s2.cx > 128;
    int y1, y2;
    if (s1.cx > 0 && s2.cx > 0) { y1 = 0; y2 = 13; }
    else { y1 = alone_y(lines, animated, s1.cy); y2 = alone_y(lines, animated, s2.cy); }
    clear_canvas();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    if (s1.cx > 0) TextOutW(dc, centred_x(s1.cx, text1), y1, text1, (int)wcslen(text1));
    if (s2.cx > 0) TextOutW(dc, centred_x(s2.cx, text2), y2, text2, (int)wcslen(text2));
    GdiFlush();
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    WCHAR drawn[LF_FACESIZE];
    char drawn8[LF_FACESIZE * 3];
    GetTextFaceW(dc, LF_FACESIZE, drawn);
    WideCharToMultiByte(CP_UTF8, 0, drawn, -1, drawn8, sizeof drawn8, NULL, NULL);
    fprintf(out, "%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", f[0], f[1], f[2], f[3], f[4], f[5],
            f[6], f[7], f[8], f[9]);
    fprintf(out, "measure %ld %ld %ld %ld %d\n", s1.cx, s1.cy, s2.cx, s2.cy, offset);
    fprintf(out, "font %s %ld %ld\n", drawn8, tm.tmAscent, tm.tmDescent);
    write_picture(out, offset);
    SelectObject(dc, old);
    DeleteObject(font);
}

int main(int argc, char **argv) {
    if (argc != 3) { fprintf(stderr, "usage: gdi_probe CASES OUT\n"); return 2; }
    FILE *in = fopen(argv[1], "rb"), *out = fopen(argv[2], "wb");
    if (!in || !out) { fprintf(stderr, "gdi_probe: cannot open %s or %s\n", argv[1], argv[2]); return 1; }
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = CANVAS_W;
    info.bmiHeader.biHeight = -CANVAS_H;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, (void **)&bits, NULL, 0);
    if (!dib) { fprintf(stderr, "gdi_probe: no DIB section\n"); return 1; }
    SelectObject(dc, dib);
    static char line[4096];
    char *f[FIELDS];
    while (fgets(line, sizeof line, in)) {
        line[strcspn(line, "\r\n")] = 0;
        if (!line[0] || line[0] == '#') continue;
        if (split(line, f) != FIELDS) { fprintf(stderr, "gdi_probe: bad case line\n"); return 1; }
        draw_case(dc, f, out);
    }
    fclose(out);
    return 0;
}
