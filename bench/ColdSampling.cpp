// How fast a software renderer's texture reads run after the program has
// idled: the game screen's background, 472 by 480 texels of 4 bytes, read
// in 4 by 4 stamps as eight-lane gathers (plain loads where the processor
// has no gathers), the way the renderer samples it. After each idle time
// the same picture is read six times in a row, and each pass is timed.
//
// On a host that lets an idle core's caches go cold, the first passes after
// a long enough idle run several times slower than the later ones: the cost
// the game's first frame after a key pays and a busy loop never does.

#include <immintrin.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace
{

const int kWidth = 472;                     // texels a row
const int kHeight = 480;                    // rows read
const int kPasses = 6;                      // reads in a row after each idle time
const int kRounds = 20;                     // idle-and-read rounds averaged for each idle time

__attribute__((target("avx2"))) std::uint32_t GatherPass(const std::vector<std::int32_t>& texels)
{
    __m256i sum = _mm256_setzero_si256();
    for (int y = 0; y < kHeight; y += 4)
        for (int x = 0; x < kWidth; x += 4)
            for (int half = 0; half < 4; half += 2)
            {
                const int first = (y + half) * kWidth + x;
                const int second = first + kWidth;
                const __m256i lanes = _mm256_setr_epi32(first, first + 1, first + 2, first + 3, second, second + 1,
                                                        second + 2, second + 3);
                sum = _mm256_add_epi32(sum, _mm256_i32gather_epi32(texels.data(), lanes, 4));
            }
    return static_cast<std::uint32_t>(_mm256_extract_epi32(sum, 0));
}

std::uint32_t LoadPass(const std::vector<std::int32_t>& texels)
{
    std::uint32_t sum = 0;
    for (int y = 0; y < kHeight; y += 4)
        for (int x = 0; x < kWidth; x += 4)
            for (int row = y; row < y + 4; ++row)
                for (int column = x; column < x + 4; ++column)
                    sum += static_cast<std::uint32_t>(texels[row * kWidth + column]);
    return sum;
}

} // namespace

int main()
{
    const bool gathers = __builtin_cpu_supports("avx2");
    std::vector<std::int32_t> texels(static_cast<std::size_t>(kWidth) * kHeight, 1);
    std::printf("%s; microseconds a pass, mean of %d rounds\n", gathers ? "gathers" : "plain loads", kRounds);
    std::printf("%12s", "idle ms");
    for (int pass = 1; pass <= kPasses; ++pass)
        std::printf("%8s%d", "pass ", pass);
    std::printf("\n");
    volatile std::uint32_t sink = 0;
    for (const int idle : {0, 3, 10, 100})
    {
        double total[kPasses] = {};
        for (int round = 0; round < kRounds; ++round)
        {
            usleep(static_cast<useconds_t>(idle) * 1000);
            for (int pass = 0; pass < kPasses; ++pass)
            {
                const auto start = std::chrono::steady_clock::now();
                sink = sink + (gathers ? GatherPass(texels) : LoadPass(texels));
                total[pass] += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            }
        }
        std::printf("%12d", idle);
        for (const double time : total)
            std::printf("%9.0f", time / kRounds);
        std::printf("\n");
    }
    return 0;
}
