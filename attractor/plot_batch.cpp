#include "plot_batch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "plot_weight.h"
#include "stream_step.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ZARVO_HAVE_AVX2_PATH 1
#endif

namespace zarvo::attractor {

#if defined(ZARVO_HAVE_AVX2_PATH)

namespace {

// The three tables of angle_weight_table.h one after another: row
// which * 16 + piece, its nine coefficients padded to twelve (rows of whole
// vectors).
struct AngleRows {
    static constexpr int kStride = 12;
    alignas(32) double c[3 * checked::kAnglePieces * kStride] = {};
    AngleRows() {
        const double (*const tables[3])[9] = {checked::kUnfolded, checked::kFoldedLow, checked::kFoldedHigh};
        for (int w = 0; w < 3; ++w) {
            for (int i = 0; i < checked::kAnglePieces; ++i)
                std::memcpy(c + (w * checked::kAnglePieces + i) * kStride, tables[w][i], sizeof tables[w][i]);
        }
    }
};
// One table for both vector forms.
const AngleRows& Rows() {
    static const AngleRows rows;
    return rows;
}

}  // namespace

// Everything up to pop_options may use AVX2; it runs only where the
// processor has it.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

namespace {

// Each step mirrors Pixel, PlotPixel, AngleWeight, AngleSine and WeighPlot
// of plot_weight.h and checked_trig.h operation for operation, four points
// at a time. Lanes that a check sends elsewhere get harmless values (so no
// operation can raise a flag) and their verdict says where they go.
// Comparisons are the quiet ones: a NaN raises nothing here.
void WeighFours(const StepSettings& s, const PointsToWeigh& out, int n) {
    const AngleRows& rows = Rows();
    const PlotWindow& w = s.window;
    const __m256d sign = _mm256_set1_pd(-0.0);
    const auto abs = [sign](__m256d v) { return _mm256_andnot_pd(sign, v); };
    const __m256d zero = _mm256_setzero_pd();
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d half = _mm256_set1_pd(0.5);
    constexpr int kRound = _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC;

    // Pixel of one coordinate: `out` when it is certainly not plotted,
    // `ok` when its pixel is certain and plotted.
    struct Axis {
        __m256d lo, hi, scale, limit;
    };
    const Axis ax{_mm256_set1_pd(w.xMin), _mm256_set1_pd(w.xMax), _mm256_set1_pd(w.xScale),
                  _mm256_set1_pd(std::min(w.width, s.plotWidth))};
    const Axis ay{_mm256_set1_pd(w.yMin), _mm256_set1_pd(w.yMax), _mm256_set1_pd(w.yScale),
                  _mm256_set1_pd(std::min(w.height, s.plotHeight))};
    const __m256d clear = _mm256_set1_pd(kPixelClear);
    const auto pixel = [&](const Axis& a, __m256d v, __m256d& position, __m256d& nearest, __m256d& ok,
                           __m256d& out) {
        const __m256d in = _mm256_and_pd(_mm256_cmp_pd(v, a.lo, _CMP_GT_OQ), _mm256_cmp_pd(v, a.hi, _CMP_LT_OQ));
        position = _mm256_mul_pd(_mm256_sub_pd(_mm256_blendv_pd(a.lo, v, in), a.lo), a.scale);
        nearest = _mm256_round_pd(position, kRound);
        const __m256d certain = _mm256_cmp_pd(abs(_mm256_sub_pd(position, nearest)), clear, _CMP_LT_OQ);
        const __m256d within = _mm256_and_pd(_mm256_cmp_pd(nearest, zero, _CMP_GE_OQ),
                                             _mm256_cmp_pd(nearest, a.limit, _CMP_LT_OQ));
        ok = _mm256_and_pd(_mm256_and_pd(in, certain), within);
        // Not in the window (the pixel is then the picture's size), or a
        // certain pixel outside the picture or the counters.
        out = _mm256_or_pd(_mm256_andnot_pd(in, _mm256_castsi256_pd(_mm256_set1_epi64x(-1))),
                           _mm256_andnot_pd(within, certain));
    };

    const __m256d bound = _mm256_set1_pd(checked::kAngleInputLimit);
    const __m256d kept = _mm256_set1_pd(checked::kKeptDigits);
    const __m256d corner = _mm256_set1_pd(checked::kFoldCorner);
    const __m256d scaleUnfolded = _mm256_set1_pd(checked::kAnglePieces);
    const __m256d scaleLow = _mm256_set1_pd(checked::kAnglePieces / checked::kFoldCorner);
    const __m256d scaleHigh = _mm256_set1_pd(checked::kAnglePieces / (1 - checked::kFoldCorner));
    const __m128i lastPiece = _mm_set1_epi32(checked::kAnglePieces - 1);
    const __m256d ten = _mm256_set1_pd(10);
    const __m256d f1 = _mm256_set1_pd(s.factor1);
    const __m256d weightMargin = _mm256_set1_pd(std::fabs(s.factor1) * checked::kAngleWeightError);
    const __m256d ulpOfWeight = _mm256_set1_pd(kWeightUlp);
    const __m256d shadeScale = _mm256_set1_pd(kShadeScale);
    const __m256d shadeClear = _mm256_set1_pd(kShadeClear);

    // HitCell: n cells a side per pixel.
    const bool oneCell = s.oversample == 1;
    const __m256d cells = _mm256_set1_pd(s.oversample);
    const __m128i cellsInt = _mm_set1_epi32(s.oversample), lastCell = _mm_set1_epi32(s.oversample - 1);
    const __m128i gridWidth = _mm_set1_epi32(s.gridWidth);
    const __m128i rowCells = _mm_set1_epi32(s.gridWidth * s.oversample);

    for (int i = 0; i < n; i += 4) {
        const __m256d X = _mm256_loadu_pd(out.x + i), Y = _mm256_loadu_pd(out.y + i);
        const __m256d X0 = _mm256_loadu_pd(out.x0 + i), Y0 = _mm256_loadu_pd(out.y0 + i);

        __m256d posX, nearX, okX, outX, posY, nearY, okY, outY;
        pixel(ax, X, posX, nearX, okX, outX);
        pixel(ay, Y, posY, nearY, okY, outY);
        // A NaN point goes alone: the one-point form's comparisons flag it.
        const __m256d nan = _mm256_cmp_pd(X, Y, _CMP_UNORD_Q);
        const __m256d outside = _mm256_andnot_pd(nan, _mm256_or_pd(outX, outY));

        // The angle weight.
        const __m256d within =
            _mm256_and_pd(_mm256_and_pd(_mm256_cmp_pd(abs(X), bound, _CMP_LE_OQ), _mm256_cmp_pd(abs(Y), bound, _CMP_LE_OQ)),
                          _mm256_and_pd(_mm256_cmp_pd(abs(X0), bound, _CMP_LE_OQ), _mm256_cmp_pd(abs(Y0), bound, _CMP_LE_OQ)));
        const __m256d onePlusX = _mm256_add_pd(one, _mm256_and_pd(X, within));
        const __m256d onePlusY = _mm256_add_pd(one, _mm256_and_pd(Y, within));
        const __m256d an = abs(_mm256_sub_pd(onePlusX, _mm256_and_pd(X0, within)));
        const __m256d ad = abs(_mm256_sub_pd(onePlusY, _mm256_and_pd(Y0, within)));
        const __m256d digits = _mm256_and_pd(_mm256_cmp_pd(abs(onePlusX), _mm256_mul_pd(kept, an), _CMP_LT_OQ),
                                             _mm256_cmp_pd(abs(onePlusY), _mm256_mul_pd(kept, ad), _CMP_LT_OQ));
        const __m256d folded = _mm256_cmp_pd(an, ad, _CMP_GT_OQ);
        // std::min(an, ad) and std::max(an, ad): the same values.
        const __m256d least = _mm256_blendv_pd(an, ad, _mm256_cmp_pd(ad, an, _CMP_LT_OQ));
        const __m256d most = _mm256_blendv_pd(one, _mm256_blendv_pd(an, ad, _mm256_cmp_pd(an, ad, _CMP_LT_OQ)), digits);
        __m256d t = _mm256_div_pd(least, most);
        const __m256d foldedTiny = _mm256_andnot_pd(_mm256_cmp_pd(t, _mm256_set1_pd(checked::kSmallestFolded), _CMP_GT_OQ), folded);
        const __m256d angleOk = _mm256_andnot_pd(foldedTiny, _mm256_and_pd(within, digits));
        t = _mm256_and_pd(t, angleOk);  // 0 <= t <= 1 in every lane

        // AngleSine: the table row and the position in its piece.
        const __m256d high = _mm256_and_pd(folded, _mm256_cmp_pd(t, corner, _CMP_GE_OQ));
        const __m256d start = _mm256_and_pd(high, corner);
        const __m256d scale = _mm256_blendv_pd(_mm256_blendv_pd(scaleUnfolded, scaleLow, folded), scaleHigh, high);
        const __m256d u = _mm256_mul_pd(_mm256_sub_pd(t, start), scale);
        const __m128i piece = _mm_min_epi32(_mm256_cvttpd_epi32(u), lastPiece);
        const __m256d sPos = _mm256_sub_pd(_mm256_mul_pd(_mm256_set1_pd(2), _mm256_sub_pd(u, _mm256_cvtepi32_pd(piece))), one);
        // The table: 0 unfolded, 1 folded below the corner, 2 folded above.
        const __m128i which = _mm_add_epi32(_mm256_cvtpd_epi32(_mm256_and_pd(folded, one)),
                                            _mm256_cvtpd_epi32(_mm256_and_pd(high, one)));
        // Each lane's row read whole and turned into one vector per
        // coefficient (faster than nine gathers).
        alignas(16) int32_t rowOf[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(rowOf),
                        _mm_add_epi32(_mm_mullo_epi32(which, _mm_set1_epi32(checked::kAnglePieces)), piece));
        const double* r0 = rows.c + rowOf[0] * AngleRows::kStride;
        const double* r1 = rows.c + rowOf[1] * AngleRows::kStride;
        const double* r2 = rows.c + rowOf[2] * AngleRows::kStride;
        const double* r3 = rows.c + rowOf[3] * AngleRows::kStride;
        __m256d c[9];
        const auto transpose = [&](int first) {
            const __m256d a0 = _mm256_load_pd(r0 + first), a1 = _mm256_load_pd(r1 + first);
            const __m256d a2 = _mm256_load_pd(r2 + first), a3 = _mm256_load_pd(r3 + first);
            const __m256d t0 = _mm256_unpacklo_pd(a0, a1), t1 = _mm256_unpackhi_pd(a0, a1);
            const __m256d t2 = _mm256_unpacklo_pd(a2, a3), t3 = _mm256_unpackhi_pd(a2, a3);
            c[first] = _mm256_permute2f128_pd(t0, t2, 0x20);
            c[first + 1] = _mm256_permute2f128_pd(t1, t3, 0x20);
            c[first + 2] = _mm256_permute2f128_pd(t0, t2, 0x31);
            c[first + 3] = _mm256_permute2f128_pd(t1, t3, 0x31);
        };
        transpose(0);
        transpose(4);
        c[8] = _mm256_set_pd(r3[8], r2[8], r1[8], r0[8]);
        const __m256d s2 = _mm256_mul_pd(sPos, sPos), s4 = _mm256_mul_pd(s2, s2);
        const __m256d p03 = _mm256_add_pd(_mm256_add_pd(c[0], _mm256_mul_pd(c[1], sPos)),
                                          _mm256_mul_pd(_mm256_add_pd(c[2], _mm256_mul_pd(c[3], sPos)), s2));
        const __m256d p47 = _mm256_add_pd(_mm256_add_pd(c[4], _mm256_mul_pd(c[5], sPos)),
                                          _mm256_mul_pd(_mm256_add_pd(c[6], _mm256_mul_pd(c[7], sPos)), s2));
        const __m256d sine =
            _mm256_add_pd(p03, _mm256_mul_pd(_mm256_add_pd(p47, _mm256_mul_pd(c[8], s4)), s4));
        const __m256d a = _mm256_mul_pd(_mm256_add_pd(abs(sine), one), ten);

        // WeighPlot: the weight and the shade, and whether they are certain.
        const __m256d v = _mm256_add_pd(_mm256_mul_pd(f1, a), ten);
        const __m256d nearest = _mm256_round_pd(v, kRound);
        const __m256d margin = _mm256_add_pd(weightMargin, _mm256_mul_pd(abs(v), ulpOfWeight));
        const __m256d weightOk = _mm256_cmp_pd(abs(_mm256_sub_pd(v, nearest)), _mm256_sub_pd(half, margin), _CMP_LT_OQ);
        const __m256d shadeValue = _mm256_mul_pd(_mm256_sub_pd(a, ten), shadeScale);
        const __m128i whole = _mm256_cvttpd_epi32(shadeValue);
        const __m256d shadeOk = _mm256_or_pd(
            _mm256_cmp_pd(_mm256_cvtepi32_pd(whole), _mm256_set1_pd(255), _CMP_GE_OQ),
            _mm256_cmp_pd(abs(_mm256_sub_pd(_mm256_sub_pd(shadeValue, _mm256_cvtepi32_pd(whole)), half)), shadeClear,
                          _CMP_LT_OQ));

        const __m256d hit = _mm256_and_pd(_mm256_and_pd(_mm256_and_pd(okX, okY), angleOk), _mm256_and_pd(weightOk, shadeOk));
        const int hitBits = _mm256_movemask_pd(hit), outsideBits = _mm256_movemask_pd(outside);
        // HitOf: the pixel's counter and its cell of the hit grid.
        const __m128i col = _mm256_cvtpd_epi32(nearX), row = _mm256_cvtpd_epi32(nearY);
        const auto subCell = [&](__m256d position, __m256d nearest) {
            const __m256d k = _mm256_mul_pd(_mm256_add_pd(_mm256_sub_pd(position, nearest), half), cells);
            return _mm_min_epi32(_mm256_cvttpd_epi32(_mm256_max_pd(k, zero)), lastCell);
        };
        const __m128i pixelIndex = _mm_add_epi32(_mm_mullo_epi32(row, gridWidth), col);
        const __m128i cellIndex = _mm_add_epi32(
            _mm_mullo_epi32(_mm_add_epi32(_mm_mullo_epi32(row, cellsInt), subCell(posY, nearY)), rowCells),
            _mm_add_epi32(_mm_mullo_epi32(col, cellsInt), subCell(posX, nearX)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out.pixel + i), pixelIndex);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out.cell + i), oneCell ? pixelIndex : cellIndex);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out.px + i), col);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out.py + i), row);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out.weight + i), _mm256_cvtpd_epi32(_mm256_and_pd(nearest, hit)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out.shade + i), _mm_min_epi32(whole, _mm_set1_epi32(255)));
        for (int k = 0; k < 4; ++k) {
            // outside: kPointOutside (0); else hit: kPointHit (1); else kPointAlone (2), without branches.
            const int o = outsideBits >> k & 1, h = hitBits >> k & 1;
            out.verdict[i + k] = static_cast<uint8_t>((1 - o) * (2 - h));
        }
    }
}

}  // namespace

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

// The same, eight points at a time with AVX-512, where the processor has
// it: the same operations on the same values, comparisons giving masks.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,avx512f"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,avx512f")
// (GCC 12 takes the "undefined" upper halves inside its own AVX-512
// intrinsics for uninitialized variables.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace {

void WeighEights(const StepSettings& s, const PointsToWeigh& out, int n) {
    const AngleRows& rows = Rows();
    const PlotWindow& w = s.window;
    const __m512d zero = _mm512_setzero_pd();
    const __m512d one = _mm512_set1_pd(1.0);
    const __m512d half = _mm512_set1_pd(0.5);
    constexpr int kRound = _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC;
    const auto gt = [](__m512d a, __m512d b) { return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ); };
    const auto ge = [](__m512d a, __m512d b) { return _mm512_cmp_pd_mask(a, b, _CMP_GE_OQ); };
    const auto lt = [](__m512d a, __m512d b) { return _mm512_cmp_pd_mask(a, b, _CMP_LT_OQ); };
    const auto le = [](__m512d a, __m512d b) { return _mm512_cmp_pd_mask(a, b, _CMP_LE_OQ); };

    struct Axis {
        __m512d lo, hi, scale, limit;
    };
    const Axis ax{_mm512_set1_pd(w.xMin), _mm512_set1_pd(w.xMax), _mm512_set1_pd(w.xScale),
                  _mm512_set1_pd(std::min(w.width, s.plotWidth))};
    const Axis ay{_mm512_set1_pd(w.yMin), _mm512_set1_pd(w.yMax), _mm512_set1_pd(w.yScale),
                  _mm512_set1_pd(std::min(w.height, s.plotHeight))};
    const __m512d clear = _mm512_set1_pd(kPixelClear);
    const auto pixel = [&](const Axis& a, __m512d v, __m512d& position, __m512d& nearest, __mmask8& ok,
                           __mmask8& outside) {
        const __mmask8 in = gt(v, a.lo) & lt(v, a.hi);
        position = _mm512_mul_pd(_mm512_sub_pd(_mm512_mask_blend_pd(in, a.lo, v), a.lo), a.scale);
        nearest = _mm512_roundscale_pd(position, kRound);
        const __mmask8 certain = lt(_mm512_abs_pd(_mm512_sub_pd(position, nearest)), clear);
        const __mmask8 within = ge(nearest, zero) & lt(nearest, a.limit);
        ok = in & certain & within;
        outside = static_cast<__mmask8>(~in | (certain & ~within));
    };

    const __m512d bound = _mm512_set1_pd(checked::kAngleInputLimit);
    const __m512d kept = _mm512_set1_pd(checked::kKeptDigits);
    const __m512d corner = _mm512_set1_pd(checked::kFoldCorner);
    const __m512d scaleUnfolded = _mm512_set1_pd(checked::kAnglePieces);
    const __m512d scaleLow = _mm512_set1_pd(checked::kAnglePieces / checked::kFoldCorner);
    const __m512d scaleHigh = _mm512_set1_pd(checked::kAnglePieces / (1 - checked::kFoldCorner));
    const __m256i lastPiece = _mm256_set1_epi32(checked::kAnglePieces - 1);
    const __m512d ten = _mm512_set1_pd(10);
    const __m512d f1 = _mm512_set1_pd(s.factor1);
    const __m512d weightMargin = _mm512_set1_pd(std::fabs(s.factor1) * checked::kAngleWeightError);
    const __m512d ulpOfWeight = _mm512_set1_pd(kWeightUlp);
    const __m512d shadeScale = _mm512_set1_pd(kShadeScale);
    const __m512d shadeClear = _mm512_set1_pd(kShadeClear);

    const bool oneCell = s.oversample == 1;
    const __m512d cells = _mm512_set1_pd(s.oversample);
    const __m256i cellsInt = _mm256_set1_epi32(s.oversample), lastCell = _mm256_set1_epi32(s.oversample - 1);
    const __m256i gridWidth = _mm256_set1_epi32(s.gridWidth);
    const __m256i rowCells = _mm256_set1_epi32(s.gridWidth * s.oversample);
    // The 8 x 8 transposition: pairs of lanes, then halves of 256 bits.
    const __m512i lowPairs = _mm512_set_epi64(13, 12, 5, 4, 9, 8, 1, 0);
    const __m512i highPairs = _mm512_set_epi64(15, 14, 7, 6, 11, 10, 3, 2);

    for (int i = 0; i < n; i += 8) {
        const __m512d X = _mm512_loadu_pd(out.x + i), Y = _mm512_loadu_pd(out.y + i);
        const __m512d X0 = _mm512_loadu_pd(out.x0 + i), Y0 = _mm512_loadu_pd(out.y0 + i);

        __m512d posX, nearX, posY, nearY;
        __mmask8 okX, outX, okY, outY;
        pixel(ax, X, posX, nearX, okX, outX);
        pixel(ay, Y, posY, nearY, okY, outY);
        const __mmask8 nan = _mm512_cmp_pd_mask(X, Y, _CMP_UNORD_Q);
        const __mmask8 outside = static_cast<__mmask8>(~nan & (outX | outY));

        const __mmask8 within =
            le(_mm512_abs_pd(X), bound) & le(_mm512_abs_pd(Y), bound) & le(_mm512_abs_pd(X0), bound) & le(_mm512_abs_pd(Y0), bound);
        const __m512d onePlusX = _mm512_add_pd(one, _mm512_maskz_mov_pd(within, X));
        const __m512d onePlusY = _mm512_add_pd(one, _mm512_maskz_mov_pd(within, Y));
        const __m512d an = _mm512_abs_pd(_mm512_sub_pd(onePlusX, _mm512_maskz_mov_pd(within, X0)));
        const __m512d ad = _mm512_abs_pd(_mm512_sub_pd(onePlusY, _mm512_maskz_mov_pd(within, Y0)));
        const __mmask8 digits =
            lt(_mm512_abs_pd(onePlusX), _mm512_mul_pd(kept, an)) & lt(_mm512_abs_pd(onePlusY), _mm512_mul_pd(kept, ad));
        const __mmask8 folded = gt(an, ad);
        const __m512d least = _mm512_mask_blend_pd(lt(ad, an), an, ad);
        const __m512d most = _mm512_mask_blend_pd(digits, one, _mm512_mask_blend_pd(lt(an, ad), an, ad));
        __m512d t = _mm512_div_pd(least, most);
        const __mmask8 foldedTiny = static_cast<__mmask8>(~gt(t, _mm512_set1_pd(checked::kSmallestFolded)) & folded);
        const __mmask8 angleOk = static_cast<__mmask8>(~foldedTiny & within & digits);
        t = _mm512_maskz_mov_pd(angleOk, t);

        const __mmask8 high = folded & ge(t, corner);
        const __m512d start = _mm512_maskz_mov_pd(high, corner);
        const __m512d scale = _mm512_mask_blend_pd(high, _mm512_mask_blend_pd(folded, scaleUnfolded, scaleLow), scaleHigh);
        const __m512d u = _mm512_mul_pd(_mm512_sub_pd(t, start), scale);
        const __m256i piece = _mm256_min_epi32(_mm512_cvttpd_epi32(u), lastPiece);
        const __m512d sPos =
            _mm512_sub_pd(_mm512_mul_pd(_mm512_set1_pd(2), _mm512_sub_pd(u, _mm512_cvtepi32_pd(piece))), one);
        const __m256i which = _mm256_add_epi32(_mm512_cvtpd_epi32(_mm512_maskz_mov_pd(folded, one)),
                                               _mm512_cvtpd_epi32(_mm512_maskz_mov_pd(high, one)));
        alignas(32) int32_t rowOf[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(rowOf),
                           _mm256_add_epi32(_mm256_mullo_epi32(which, _mm256_set1_epi32(checked::kAnglePieces)), piece));
        const double* r[8];
#pragma GCC unroll 8
        for (int k = 0; k < 8; ++k) r[k] = rows.c + rowOf[k] * AngleRows::kStride;
        // Rows 0..7 of the first eight coefficients, transposed.
        __m512d a[8], b[8], c[9];
#pragma GCC unroll 8
        for (int k = 0; k < 8; ++k) a[k] = _mm512_loadu_pd(r[k]);
#pragma GCC unroll 4
        for (int k = 0; k < 8; k += 2) {
            b[k] = _mm512_unpacklo_pd(a[k], a[k + 1]);      // coefficients 0, 2, 4, 6 of rows k, k + 1
            b[k + 1] = _mm512_unpackhi_pd(a[k], a[k + 1]);  // 1, 3, 5, 7
        }
#pragma GCC unroll 2
        for (int k = 0; k < 2; ++k) {
            // Rows 0..3 and 4..7 of coefficients k, k + 2, k + 4, k + 6.
            const __m512d low03 = _mm512_permutex2var_pd(b[k], lowPairs, b[k + 2]);
            const __m512d high03 = _mm512_permutex2var_pd(b[k], highPairs, b[k + 2]);
            const __m512d low47 = _mm512_permutex2var_pd(b[k + 4], lowPairs, b[k + 6]);
            const __m512d high47 = _mm512_permutex2var_pd(b[k + 4], highPairs, b[k + 6]);
            c[k] = _mm512_shuffle_f64x2(low03, low47, 0x44);
            c[k + 4] = _mm512_shuffle_f64x2(low03, low47, 0xee);
            c[k + 2] = _mm512_shuffle_f64x2(high03, high47, 0x44);
            c[k + 6] = _mm512_shuffle_f64x2(high03, high47, 0xee);
        }
        c[8] = _mm512_set_pd(r[7][8], r[6][8], r[5][8], r[4][8], r[3][8], r[2][8], r[1][8], r[0][8]);
        const __m512d s2 = _mm512_mul_pd(sPos, sPos), s4 = _mm512_mul_pd(s2, s2);
        const __m512d p03 = _mm512_add_pd(_mm512_add_pd(c[0], _mm512_mul_pd(c[1], sPos)),
                                          _mm512_mul_pd(_mm512_add_pd(c[2], _mm512_mul_pd(c[3], sPos)), s2));
        const __m512d p47 = _mm512_add_pd(_mm512_add_pd(c[4], _mm512_mul_pd(c[5], sPos)),
                                          _mm512_mul_pd(_mm512_add_pd(c[6], _mm512_mul_pd(c[7], sPos)), s2));
        const __m512d sine = _mm512_add_pd(p03, _mm512_mul_pd(_mm512_add_pd(p47, _mm512_mul_pd(c[8], s4)), s4));
        const __m512d aw = _mm512_mul_pd(_mm512_add_pd(_mm512_abs_pd(sine), one), ten);

        const __m512d v = _mm512_add_pd(_mm512_mul_pd(f1, aw), ten);
        const __m512d nearest = _mm512_roundscale_pd(v, kRound);
        const __m512d margin = _mm512_add_pd(weightMargin, _mm512_mul_pd(_mm512_abs_pd(v), ulpOfWeight));
        const __mmask8 weightOk = lt(_mm512_abs_pd(_mm512_sub_pd(v, nearest)), _mm512_sub_pd(half, margin));
        const __m512d shadeValue = _mm512_mul_pd(_mm512_sub_pd(aw, ten), shadeScale);
        const __m256i whole = _mm512_cvttpd_epi32(shadeValue);
        const __mmask8 shadeOk =
            ge(_mm512_cvtepi32_pd(whole), _mm512_set1_pd(255)) |
            lt(_mm512_abs_pd(_mm512_sub_pd(_mm512_sub_pd(shadeValue, _mm512_cvtepi32_pd(whole)), half)), shadeClear);

        const __mmask8 hit = okX & okY & angleOk & weightOk & shadeOk;
        const __m256i col = _mm512_cvtpd_epi32(nearX), row = _mm512_cvtpd_epi32(nearY);
        const auto subCell = [&](__m512d position, __m512d nearest) {
            const __m512d k = _mm512_mul_pd(_mm512_add_pd(_mm512_sub_pd(position, nearest), half), cells);
            return _mm256_min_epi32(_mm512_cvttpd_epi32(_mm512_max_pd(k, zero)), lastCell);
        };
        const __m256i pixelIndex = _mm256_add_epi32(_mm256_mullo_epi32(row, gridWidth), col);
        const __m256i cellIndex = _mm256_add_epi32(
            _mm256_mullo_epi32(_mm256_add_epi32(_mm256_mullo_epi32(row, cellsInt), subCell(posY, nearY)), rowCells),
            _mm256_add_epi32(_mm256_mullo_epi32(col, cellsInt), subCell(posX, nearX)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.pixel + i), pixelIndex);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.cell + i), oneCell ? pixelIndex : cellIndex);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.px + i), col);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.py + i), row);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.weight + i),
                            _mm512_cvtpd_epi32(_mm512_maskz_mov_pd(hit, nearest)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.shade + i), _mm256_min_epi32(whole, _mm256_set1_epi32(255)));
        for (int k = 0; k < 8; ++k) {
            const int o = outside >> k & 1, h = hit >> k & 1;
            out.verdict[i + k] = static_cast<uint8_t>((1 - o) * (2 - h));
        }
    }
}

}  // namespace

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC diagnostic pop
#pragma GCC pop_options
#endif

namespace {

bool HaveAvx2() {
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}

bool HaveAvx512() {
    static const bool have = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512f");
    return have;
}

}  // namespace

#endif

bool CanWeighTogether(const StepSettings& s) {
#if defined(ZARVO_HAVE_AVX2_PATH)
    return HaveAvx2() && s.window.xScale > 0 && s.window.yScale > 0 && std::fabs(s.factor1) <= 1e6;
#else
    (void)s;
    return false;
#endif
}

int MostLanesTogether() {
#if defined(ZARVO_HAVE_AVX2_PATH)
    return HaveAvx512() ? 8 : HaveAvx2() ? 4 : 0;
#else
    return 0;
#endif
}

void WeighPointsTogether(const StepSettings& s, const PointsToWeigh& p, int n, int lanes) {
#if defined(ZARVO_HAVE_AVX2_PATH)
    if (lanes == 8)
        WeighEights(s, p, n);
    else
        WeighFours(s, p, n);
#else
    (void)s, (void)p, (void)n, (void)lanes;
#endif
}

}  // namespace zarvo::attractor
