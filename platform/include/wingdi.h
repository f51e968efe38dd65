// GDI declarations of the subset that the plug-ins and the host use, with Windows' names,
// values and structure layouts. Implemented by libw32 over 32-bit DIB surfaces.
#pragma once

#include "windef.h"

// Colours are 0x00BBGGRR. The high byte (0x02 for palette-relative colours) is ignored
// on the 32-bit surfaces of this layer.
#define RGB(r, g, b)                                                                               \
    ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define PALETTERGB(r, g, b) (0x02000000 | RGB(r, g, b))
#define PALETTEINDEX(i) ((COLORREF)(0x01000000 | (DWORD)(WORD)(i)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))
#define CLR_INVALID 0xFFFFFFFF

// Raster operations.
#define R2_BLACK 1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN 3
#define R2_NOTCOPYPEN 4
#define R2_MASKPENNOT 5
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTMASKPEN 8
#define R2_MASKPEN 9
#define R2_NOTXORPEN 10
#define R2_NOP 11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN 13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN 15
#define R2_WHITE 16

#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062
#define PATCOPY 0x00F00021

// Background modes.
#define TRANSPARENT 1
#define OPAQUE 2

// Text alignment.
#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24
#define TA_RTLREADING 256
#define GDI_ERROR 0xFFFFFFFFu

// Map modes.
#define MM_TEXT 1
#define MM_LOMETRIC 2
#define MM_HIMETRIC 3
#define MM_LOENGLISH 4
#define MM_HIENGLISH 5
#define MM_TWIPS 6
#define MM_ISOTROPIC 7
#define MM_ANISOTROPIC 8

// Polygon fill modes.
#define ALTERNATE 1
#define WINDING 2

// Stretch modes.
#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4

// Device capabilities.
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMCOLORS 24
#define RASTERCAPS 38
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// Pen styles.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define PS_STYLE_MASK 0x0000000F

// Brush styles and hatches.
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL
#define BS_HATCHED 2
#define HS_HORIZONTAL 0
#define HS_VERTICAL 1
#define HS_FDIAGONAL 2
#define HS_BDIAGONAL 3
#define HS_CROSS 4
#define HS_DIAGCROSS 5

// Stock objects.
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define DEFAULT_PALETTE 15
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17

// Object types (GetCurrentObject, GetObjectType).
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_PAL 5
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_MEMDC 10

// Region results.
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5

// Font weights, charsets, precisions, qualities and pitches.
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_EXTRALIGHT 200
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_REGULAR 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_EXTRABOLD 800
#define FW_HEAVY 900
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define OEM_CHARSET 255
#define OUT_DEFAULT_PRECIS 0
#define OUT_TT_PRECIS 4
#define CLIP_DEFAULT_PRECIS 0
#define CLIP_CHARACTER_PRECIS 1
#define CLIP_STROKE_PRECIS 2
#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY 1
#define PROOF_QUALITY 2
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50
#define LF_FACESIZE 32

// DIBs.
#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1
#define BI_RGB 0
#define BI_RLE8 1
#define BI_RLE4 2
#define BI_BITFIELDS 3

#pragma pack(push, 2)
typedef struct tagBITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
} BITMAPFILEHEADER, *LPBITMAPFILEHEADER;
#pragma pack(pop)

#pragma pack(push, 1)
typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *LPBITMAPINFOHEADER, *PBITMAPINFOHEADER;
#pragma pack(pop)

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO, *LPBITMAPINFO, *PBITMAPINFO;

typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagDIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3];
    HANDLE dshSection;
    DWORD dsOffset;
} DIBSECTION, *LPDIBSECTION;

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN, *LPLOGPEN;

typedef struct tagLOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH, *LPLOGBRUSH;

typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, *LPLOGFONTA;

typedef struct tagTEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICA, *LPTEXTMETRICA;

#ifdef __cplusplus
static_assert(sizeof(BITMAPFILEHEADER) == 14, "BITMAPFILEHEADER is 14 bytes");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER is 40 bytes");
static_assert(sizeof(RGBQUAD) == 4, "RGBQUAD is 4 bytes");
static_assert(sizeof(TEXTMETRICA) == 56, "TEXTMETRICA has the Windows layout");
static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA has the Windows layout");
#endif

W32_EXTERN_C_BEGIN

// Device contexts and their state.
W32API HDC WINAPI CreateCompatibleDC(HDC hdc);
W32API BOOL WINAPI DeleteDC(HDC hdc);
W32API int WINAPI SaveDC(HDC hdc);
W32API BOOL WINAPI RestoreDC(HDC hdc, int saved);
W32API int WINAPI GetDeviceCaps(HDC hdc, int index);
W32API HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object);
W32API HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
W32API int WINAPI SetROP2(HDC hdc, int mode);
W32API int WINAPI GetROP2(HDC hdc);
W32API int WINAPI SetBkMode(HDC hdc, int mode);
W32API int WINAPI GetBkMode(HDC hdc);
W32API COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
W32API COLORREF WINAPI GetBkColor(HDC hdc);
W32API COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
W32API COLORREF WINAPI GetTextColor(HDC hdc);
W32API UINT WINAPI SetTextAlign(HDC hdc, UINT align);
W32API UINT WINAPI GetTextAlign(HDC hdc);
W32API int WINAPI SetPolyFillMode(HDC hdc, int mode);
W32API int WINAPI GetPolyFillMode(HDC hdc);
W32API int WINAPI SetStretchBltMode(HDC hdc, int mode);
W32API int WINAPI GetStretchBltMode(HDC hdc);
W32API BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous);
W32API BOOL WINAPI GdiFlush(void);

// Coordinate mapping.
W32API int WINAPI SetMapMode(HDC hdc, int mode);
W32API int WINAPI GetMapMode(HDC hdc);
W32API BOOL WINAPI SetWindowExtEx(HDC hdc, int x, int y, LPSIZE previous);
W32API BOOL WINAPI SetViewportExtEx(HDC hdc, int x, int y, LPSIZE previous);
W32API BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous);
W32API BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous);
W32API BOOL WINAPI GetWindowExtEx(HDC hdc, LPSIZE size);
W32API BOOL WINAPI GetViewportExtEx(HDC hdc, LPSIZE size);
W32API BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT point);
W32API BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT point);
W32API BOOL WINAPI LPtoDP(HDC hdc, LPPOINT points, int count);
W32API BOOL WINAPI DPtoLP(HDC hdc, LPPOINT points, int count);

// Objects.
W32API HGDIOBJ WINAPI GetStockObject(int index);
W32API BOOL WINAPI DeleteObject(HGDIOBJ object);
W32API int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
W32API DWORD WINAPI GetObjectType(HGDIOBJ object);
W32API HPEN WINAPI CreatePen(int style, int width, COLORREF color);
W32API HBRUSH WINAPI CreateSolidBrush(COLORREF color);
W32API HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF color);
W32API HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight,
                                DWORD italic, DWORD underline, DWORD strikeOut, DWORD charset,
                                DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                                DWORD pitchAndFamily, LPCSTR face);
W32API HFONT WINAPI CreateFontIndirectA(const LOGFONTA* font);
W32API HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height);
W32API HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                                       HANDLE section, DWORD offset);
W32API int WINAPI SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
                            const BITMAPINFO* info, UINT usage);

// Regions and clipping.
W32API HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
W32API HRGN WINAPI CreateRectRgnIndirect(const RECT* rect);
W32API int WINAPI SelectClipRgn(HDC hdc, HRGN region);
W32API int WINAPI GetClipBox(HDC hdc, LPRECT rect);
W32API int WINAPI GetRgnBox(HRGN region, LPRECT rect);

// Drawing.
W32API BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous);
W32API BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT point);
W32API BOOL WINAPI LineTo(HDC hdc, int x, int y);
W32API BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count);
W32API BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
W32API BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);
W32API BOOL WINAPI Polygon(HDC hdc, const POINT* points, int count);
W32API int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
W32API COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
W32API COLORREF WINAPI GetPixel(HDC hdc, int x, int y);

// Blits.
W32API BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                          DWORD rop);
W32API BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx,
                              int sy, int swidth, int sheight, DWORD rop);
W32API int WINAPI StretchDIBits(HDC hdc, int x, int y, int width, int height, int sx, int sy,
                                int swidth, int sheight, const void* bits, const BITMAPINFO* info,
                                UINT usage, DWORD rop);

// Text.
W32API BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count);
W32API BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics);
W32API BOOL WINAPI GetCharWidthA(HDC hdc, UINT first, UINT last, LPINT widths);
W32API BOOL WINAPI GetCharWidth32A(HDC hdc, UINT first, UINT last, LPINT widths);
W32API BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR text, int count, LPSIZE size);
W32API BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, LPSIZE size);

W32_EXTERN_C_END
