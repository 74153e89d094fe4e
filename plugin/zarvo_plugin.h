/*
 * zarvo formula plug-in interface.
 *
 * A formula plug-in is a shared library with three C exports:
 *
 *   int32_t _total(void);                 number of formulas
 *   int32_t _info(FormulaRecord* rec);    sets the two texts of rec->formulaIndex
 *   int32_t _formula(FormulaRecord* rec); iterates one pixel
 *
 * and one optional export:
 *
 *   int32_t _reentrant(void);             1: _formula and _info keep nothing
 *                                         between calls and may run at the same
 *                                         time from several threads, each call
 *                                         on its own record and orbit arrays
 *
 * Without _reentrant (or when it returns anything but 1) the host calls the
 * plug-in from one thread at a time.
 *
 * The host owns one FormulaRecord and passes its address on every call.
 * A plug-in may only touch the fields documented as plug-in fields below;
 * every other byte belongs to the host.
 *
 * The layout is fixed. On LP64 targets every pointer/handle slot is 8 bytes
 * and the fields after the pointer block sit 28 bytes later than on 32-bit
 * builds; the offsets of both are asserted at the end of this file.
 */
#ifndef ZARVO_PLUGIN_H
#define ZARVO_PLUGIN_H

#include <stdint.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#if UINTPTR_MAX > 0xFFFFFFFFu
#define ZARVO_PTR64 1
typedef uint64_t zarvo_host_slot;
#else
#define ZARVO_PTR64 0
typedef uint32_t zarvo_host_slot;
#endif

/* Capacity of each orbit array: indices 0 .. ZARVO_ORBIT_LAST. A plug-in
 * writes up to index maxIterations + 1, so maxIterations must stay at or
 * below ZARVO_MAX_ITERATIONS. */
#define ZARVO_ORBIT_SIZE 7001
#define ZARVO_ORBIT_LAST 7000
#define ZARVO_MAX_ITERATIONS 6999

/* The records keep their offsets aligned in columns. */
/* clang-format off */
typedef struct FormulaRecord {
    /* 0 .. 31: plug-in fields */
    double cRe;              /* 0   constant c (read/write) */
    double cIm;              /* 8 */
    double zRe;              /* 16  starting z (read/write) */
    double zIm;              /* 24 */

    /* 32 .. 159: host view state */
    double xMin, xMax, xCentre;          /* 32, 40, 48 */
    double yMin, yMax, yCentre;          /* 56, 64, 72 */
    double selXMin, selXMax, selXCentre; /* 80, 88, 96   pending zoom rectangle */
    double selYMin, selYMax, selYCentre; /* 104, 112, 120 */
    int32_t selRect[4];                  /* 128 .. 143   rectangle in pixels */
    double juliaRe;                      /* 144 */
    double juliaIm;                      /* 152 */

    /* 160 .. 287: attractor view coordinates */
    double vtlXMin, vtlXMax, vtlXCentre; /* 160, 168, 176 */
    double vtlYMin, vtlYMax, vtlYCentre; /* 184, 192, 200 */
    double vtlSelXMin, vtlSelXMax;       /* 208, 216 */
    double vtlSelYMin, vtlSelYMax;       /* 224, 232 */
    double plotXMin, plotXMax;           /* 240, 248 */
    double plotYMin, plotYMax;           /* 256, 264 */
    double reservedView[2];              /* 272, 280 */

    double pendingZoom;                  /* 288 */
    double zoom;                         /* 296 */
    double vtlZoom;                      /* 304 */
    double vtlSelZoom;                   /* 312 */
    double halfWidth, halfHeight;        /* 320, 328 */
    double aspectX, aspectY;             /* 336, 344 */

    double resultA;                      /* 352 */
    double resultB;                      /* 360 */
    double scratch[2];                   /* 368, 376  cleared before every pixel */
    double AA;                           /* 384  attractor constant A in use */
    double BB;                           /* 392  attractor constant B */
    double intensity;                    /* 400 */
    double factor4;                      /* 408 */
    double factor5;                      /* 416 */
    double strands;                      /* 424  read by plug-in one formula 23 */
    double power;                        /* 432 */
    double redStep, blueStep, greenStep; /* 440, 448, 456 */
    double vtlRed, vtlGreen, vtlBlue;    /* 464, 472, 480  attractor tints */
    double redStart, blueStart, greenStart;          /* 488, 496, 504 */
    double redSaturate, blueSaturate, greenSaturate; /* 512, 520, 528 */
    double redOffset, blueOffset, greenOffset;       /* 536, 544, 552 */
    double AASet;                        /* 560 */
    double AAStart;                      /* 568 */
    double randomFactor;                 /* 576 */

    /* 584: pointer block */
    const char* formulaTitle;            /* 584          written by _info */
    const char* formulaDescription;      /* 588 / 592    written by _info */
    const char* pluginFileName;          /* 592 / 600 */
    zarvo_host_slot reservedSlot;        /* 596 / 608 */
    double* orbitX;                      /* 600 / 616    plug-in writes through */
    double* orbitY;                      /* 604 / 624 */
    void* pluginHandle;                  /* 608 / 632 */
    int32_t vtlWidth, vtlHeight;         /* 612 / 640    attractor picture size */

    int32_t pictureWidth;                /* 620 / 648 */
    int32_t pictureHeight;               /* 624 / 652 */
    int32_t reservedInt[2];              /* 628 / 656 */
    int32_t bailout;                     /* 636 / 664 read */
    int32_t maxIterations;               /* 640 / 668 read */
    int32_t iterationCount;              /* 644 / 672 read/write */
    int32_t mapCount;                    /* 648 / 676 attractor map choice */
    int32_t tickCount;                   /* 652 / 680 */
    int32_t stepCount;                   /* 656 / 684 */
    int32_t lastLevel;                   /* 660 / 688 */
    int32_t formulaIndex;                /* 664 / 692 read */
    int32_t renderMethod;                /* 668 / 696 */
    int32_t formulaCount;                /* 672 / 700 */
    int32_t spareSetting1;               /* 676 / 704 */
    int32_t blendMethod;                 /* 680 / 708 */
    int32_t rgbOrder;                    /* 684 / 712 */
    int32_t reservedInt2;                /* 688 / 716 */
    int32_t juliaMode;                   /* 692 / 720 read */
    int32_t juliaConstantSet;            /* 696 / 724 */
    int32_t inverseFormula;              /* 700 / 728 read */
    int32_t rotateMode;                  /* 704 / 732 */
} FormulaRecord;

/* The earlier record layout, used by plug-in two. Only the fields that cross
 * the interface are named; the gaps belong to the host. Packed to 4 bytes so
 * that its size is 532 on 64-bit builds, as the earlier hosts allocated it. */
#pragma pack(push, 4)
typedef struct FormulaRecordV1 {
    double cRe;                          /* 0 */
    double cIm;                          /* 8 */
    double zRe;                          /* 16 */
    double zIm;                          /* 24 */
    uint8_t hostA[392 - 32];
    const char* formulaTitle;            /* 392 */
    const char* formulaDescription;      /* 396 / 400 */
    const char* fileNameSlot;            /* 400 / 408 */
    zarvo_host_slot reservedSlot;        /* 404 / 416 */
    double* orbitX;                      /* 408 / 424 */
    double* orbitY;                      /* 412 / 432 */
    void* handleSlot;                    /* 416 / 440 */
#if ZARVO_PTR64
    uint8_t hostB[464 - 448];
#else
    uint8_t hostB[436 - 420];
#endif
    int32_t bailout;                     /* 436 / 464 */
    int32_t maxIterations;               /* 440 / 468 */
    int32_t iterationCount;              /* 444 / 472 */
    int32_t hostC[4];
    int32_t formulaIndex;                /* 464 / 492 */
    int32_t hostD[6];
    int32_t juliaMode;                   /* 492 / 520 */
    int32_t hostE;
    int32_t inverseFormula;              /* 500 / 528 */
} FormulaRecordV1;
/* clang-format on */
#pragma pack(pop)

typedef int32_t (*zarvo_total_fn)(void);
typedef int32_t (*zarvo_info_fn)(FormulaRecord*);
typedef int32_t (*zarvo_formula_fn)(FormulaRecord*);
typedef int32_t (*zarvo_reentrant_fn)(void);

#if defined(_WIN32)
#define ZARVO_EXPORT __declspec(dllexport)
#else
#define ZARVO_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
}
#endif

/* ---- layout checks ---- */
#ifdef __cplusplus
#define ZARVO_STATIC_ASSERT static_assert
#else
#define ZARVO_STATIC_ASSERT _Static_assert
#endif

#define ZARVO_AT(type, field, off) ZARVO_STATIC_ASSERT(offsetof(type, field) == (off), #type "." #field " offset")

ZARVO_AT(FormulaRecord, cRe, 0);
ZARVO_AT(FormulaRecord, cIm, 8);
ZARVO_AT(FormulaRecord, zRe, 16);
ZARVO_AT(FormulaRecord, zIm, 24);
ZARVO_AT(FormulaRecord, xMin, 32);
ZARVO_AT(FormulaRecord, yCentre, 72);
ZARVO_AT(FormulaRecord, juliaRe, 144);
ZARVO_AT(FormulaRecord, juliaIm, 152);
ZARVO_AT(FormulaRecord, resultA, 352);
ZARVO_AT(FormulaRecord, resultB, 360);
ZARVO_AT(FormulaRecord, factor4, 408);
ZARVO_AT(FormulaRecord, factor5, 416);
ZARVO_AT(FormulaRecord, strands, 424);
ZARVO_AT(FormulaRecord, power, 432);
ZARVO_AT(FormulaRecord, formulaTitle, 584);

#if ZARVO_PTR64
ZARVO_AT(FormulaRecord, formulaDescription, 592);
ZARVO_AT(FormulaRecord, pluginFileName, 600);
ZARVO_AT(FormulaRecord, reservedSlot, 608);
ZARVO_AT(FormulaRecord, orbitX, 616);
ZARVO_AT(FormulaRecord, orbitY, 624);
ZARVO_AT(FormulaRecord, pluginHandle, 632);
ZARVO_AT(FormulaRecord, vtlWidth, 640);
ZARVO_AT(FormulaRecord, pictureWidth, 648);
ZARVO_AT(FormulaRecord, pictureHeight, 652);
ZARVO_AT(FormulaRecord, bailout, 664);
ZARVO_AT(FormulaRecord, maxIterations, 668);
ZARVO_AT(FormulaRecord, iterationCount, 672);
ZARVO_AT(FormulaRecord, formulaIndex, 692);
ZARVO_AT(FormulaRecord, formulaCount, 700);
ZARVO_AT(FormulaRecord, juliaMode, 720);
ZARVO_AT(FormulaRecord, juliaConstantSet, 724);
ZARVO_AT(FormulaRecord, inverseFormula, 728);
ZARVO_AT(FormulaRecord, rotateMode, 732);
ZARVO_STATIC_ASSERT(sizeof(FormulaRecord) == 736, "FormulaRecord size (64-bit)");

ZARVO_AT(FormulaRecordV1, formulaTitle, 392);
ZARVO_AT(FormulaRecordV1, formulaDescription, 400);
ZARVO_AT(FormulaRecordV1, fileNameSlot, 408);
ZARVO_AT(FormulaRecordV1, reservedSlot, 416);
ZARVO_AT(FormulaRecordV1, orbitX, 424);
ZARVO_AT(FormulaRecordV1, orbitY, 432);
ZARVO_AT(FormulaRecordV1, handleSlot, 440);
ZARVO_AT(FormulaRecordV1, bailout, 464);
ZARVO_AT(FormulaRecordV1, maxIterations, 468);
ZARVO_AT(FormulaRecordV1, iterationCount, 472);
ZARVO_AT(FormulaRecordV1, formulaIndex, 492);
ZARVO_AT(FormulaRecordV1, juliaMode, 520);
ZARVO_AT(FormulaRecordV1, inverseFormula, 528);
ZARVO_STATIC_ASSERT(sizeof(FormulaRecordV1) == 532, "FormulaRecordV1 size (64-bit)");
#else
ZARVO_AT(FormulaRecord, formulaDescription, 588);
ZARVO_AT(FormulaRecord, pluginFileName, 592);
ZARVO_AT(FormulaRecord, reservedSlot, 596);
ZARVO_AT(FormulaRecord, orbitX, 600);
ZARVO_AT(FormulaRecord, orbitY, 604);
ZARVO_AT(FormulaRecord, pluginHandle, 608);
ZARVO_AT(FormulaRecord, vtlWidth, 612);
ZARVO_AT(FormulaRecord, pictureWidth, 620);
ZARVO_AT(FormulaRecord, pictureHeight, 624);
ZARVO_AT(FormulaRecord, bailout, 636);
ZARVO_AT(FormulaRecord, maxIterations, 640);
ZARVO_AT(FormulaRecord, iterationCount, 644);
ZARVO_AT(FormulaRecord, formulaIndex, 664);
ZARVO_AT(FormulaRecord, formulaCount, 672);
ZARVO_AT(FormulaRecord, juliaMode, 692);
ZARVO_AT(FormulaRecord, juliaConstantSet, 696);
ZARVO_AT(FormulaRecord, inverseFormula, 700);
ZARVO_AT(FormulaRecord, rotateMode, 704);
ZARVO_STATIC_ASSERT(sizeof(FormulaRecord) == 708, "FormulaRecord size (32-bit)");

ZARVO_AT(FormulaRecordV1, formulaTitle, 392);
ZARVO_AT(FormulaRecordV1, formulaDescription, 396);
ZARVO_AT(FormulaRecordV1, orbitX, 408);
ZARVO_AT(FormulaRecordV1, orbitY, 412);
ZARVO_AT(FormulaRecordV1, bailout, 436);
ZARVO_AT(FormulaRecordV1, maxIterations, 440);
ZARVO_AT(FormulaRecordV1, iterationCount, 444);
ZARVO_AT(FormulaRecordV1, formulaIndex, 464);
ZARVO_AT(FormulaRecordV1, juliaMode, 492);
ZARVO_AT(FormulaRecordV1, inverseFormula, 500);
ZARVO_STATIC_ASSERT(sizeof(FormulaRecordV1) == 504, "FormulaRecordV1 size (32-bit)");
#endif

#undef ZARVO_AT

#endif /* ZARVO_PLUGIN_H */
