// The four sounds, synthesised from damped sines and seeded noise.
#include "generator.h"

#include <algorithm>

namespace gen {
namespace {

constexpr int EffectRate = 44100;
constexpr int MusicRate = 22050;

std::vector<double> silence(int rate, double seconds) {
    return std::vector<double>(static_cast<size_t>(std::lround(rate * seconds)), 0.0);
}

// Scales to the given peak and lets the last `fadeSeconds` fall to exactly
// zero, so an effect never ends on a step.
void finish(std::vector<double>& s, int rate, double peak, double fadeSeconds) {
    double top = 0;
    for (double v : s) top = std::max(top, std::abs(v));
    const double gain = top > 0 ? peak / top : 0;
    const size_t fade = static_cast<size_t>(rate * fadeSeconds);
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] *= gain;
        const size_t left = s.size() - 1 - i;
        if (left < fade) s[i] *= 0.5 - 0.5 * std::cos(M_PI * double(left) / fade);
    }
}

// A piece snapped onto a wooden board: a very short burst of noise and the
// quickly dying ring of the board and piece.
std::vector<double> pieceClick() {
    std::vector<double> s = silence(EffectRate, 0.12);
    struct Mode {
        double freq, amp, decay;
    };
    const Mode modes[] = {{190, 0.35, 0.016}, {720, 0.30, 0.018}, {1180, 0.60, 0.014},
                          {2330, 0.45, 0.010}, {3470, 0.32, 0.007}, {5150, 0.20, 0.004}};
    Random rnd(71u);
    double low = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / EffectRate;
        const double attack = std::min(1.0, t / 0.0003);
        double v = 0;
        for (const Mode& m : modes) v += m.amp * std::sin(2 * M_PI * m.freq * t) * std::exp(-t / m.decay);
        // Noise, softened by a one-pole low-pass, gives the hard contact.
        low += 0.45 * ((rnd.next() * 2 - 1) - low);
        v += 1.1 * low * std::exp(-t / 0.0016);
        s[i] = attack * v;
    }
    finish(s, EffectRate, 0.9, 0.02);
    return s;
}

// A low, slightly beating buzz: two detuned band-limited saw waves.
std::vector<double> refusalBuzz() {
    std::vector<double> s = silence(EffectRate, 0.3);
    const double freqs[2] = {98.0, 103.5};
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / EffectRate;
        double v = 0;
        for (double f : freqs)
            for (int k = 1; k <= 24; ++k) v += std::sin(2 * M_PI * f * k * t) / k * (k > 12 ? 0.5 : 1.0);
        const double attack = std::min(1.0, t / 0.008);
        s[i] = v * attack * (0.8 + 0.2 * std::exp(-t / 0.05));
    }
    finish(s, EffectRate, 0.6, 0.07);
    return s;
}

// Two light bell strokes a fifth apart.
std::vector<double> chime() {
    std::vector<double> s = silence(EffectRate, 0.6);
    struct Strike {
        double start, freq, amp;
    };
    const Strike strikes[] = {{0.0, 880.0, 1.0}, {0.11, 1318.5, 0.8}};
    const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.4};
    const double weights[] = {1.0, 0.45, 0.35, 0.18, 0.1};
    for (size_t i = 0; i < s.size(); ++i) {
        const double now = double(i) / EffectRate;
        double v = 0;
        for (const Strike& st : strikes) {
            const double t = now - st.start;
            if (t < 0) continue;
            const double attack = std::min(1.0, t / 0.002);
            for (int k = 0; k < 5; ++k)
                v += st.amp * weights[k] * attack * std::sin(2 * M_PI * st.freq * ratios[k] * t) *
                     std::exp(-t / (0.28 / (1 + 0.6 * k)));
        }
        s[i] = v;
    }
    finish(s, EffectRate, 0.55, 0.06);
    return s;
}

// --- Background music ----------------------------------------------------------

constexpr double Beat = 0.75;  // 80 beats a minute
constexpr int Bars = 8;
constexpr double Loop = Bars * 4 * Beat;  // 24 s
constexpr double NoteLife = 2.2;          // every pluck has died away by then

double midiFreq(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// One koto-like pluck, added into the loop; anything reaching past the end
// continues at the start, so the loop is seamless.
void pluck(std::vector<double>& s, double start, int note, double velocity, std::uint32_t seed) {
    const double f = midiFreq(note);
    const double decay = 1.3 * std::pow(220.0 / f, 0.3);
    const int n = static_cast<int>(NoteLife * MusicRate);
    const size_t first = static_cast<size_t>(std::lround(start * MusicRate));
    Random rnd(seed);
    double previousNoise = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / MusicRate;
        // A plucked silk string starts a little sharp and settles.
        const double bentTime = t + 0.006 * 0.04 * (1 - std::exp(-t / 0.04));
        double v = 0;
        for (int k = 1; k <= 9; ++k) {
            const double fk = f * k * std::sqrt(1 + 0.0003 * k * k);
            if (fk > MusicRate * 0.45) break;
            // Plucked near the bridge: bright at first, the upper partials
            // dying faster.
            const double amp = std::abs(std::sin(k * M_PI * 0.2)) / k;
            v += amp * std::sin(2 * M_PI * fk * bentTime) * std::exp(-t * (1 + 0.45 * (k - 1)) / decay);
        }
        // The scrape of the plectrum.
        const double noise = rnd.next() * 2 - 1;
        v += 0.12 * (noise - previousNoise) * std::exp(-t / 0.002);
        previousNoise = noise;
        const double attack = std::min(1.0, t / 0.003);
        const double left = NoteLife - t;
        const double release = left < 0.4 ? 0.5 - 0.5 * std::cos(M_PI * left / 0.4) : 1.0;
        s[(first + i) % s.size()] += velocity * attack * release * v;
    }
}

struct Note {
    double beats;
    int pitch;  // 0: rest
};

// D yo scale (D E G A B): calm and open.
const Note kMelody[] = {
    {1, 69}, {1, 71}, {2, 74},                       // 1
    {1, 71}, {0.5, 69}, {0.5, 67}, {2, 69},          // 2
    {1, 64}, {1, 67}, {1, 69}, {1, 71},              // 3
    {1.5, 69}, {0.5, 67}, {2, 64},                   // 4
    {1, 74}, {1, 76}, {1, 74}, {1, 71},              // 5
    {1, 69}, {0.5, 71}, {0.5, 69}, {2, 67},          // 6
    {1, 64}, {1, 67}, {1, 69}, {0.5, 67}, {0.5, 64}, // 7
    {2, 62}, {2, 0},                                 // 8
};

// Low strings: a root on the first beat of every bar, its fifth on the
// third, and nothing after the last root so the loop breathes.
const int kBassRoots[Bars] = {50, 55, 52, 45, 50, 55, 52, 50};

std::vector<double> backgroundMusic() {
    std::vector<double> s = silence(MusicRate, Loop);
    // A soft echo of every pluck stands in for the room.
    std::uint32_t seed = 90;
    auto play = [&](double at, int pitch, double velocity) {
        pluck(s, at, pitch, velocity, seed++);
        pluck(s, at + Beat / 2, pitch, velocity * 0.22, seed++);
    };
    double at = 0;
    Random rnd(81u);
    for (const Note& n : kMelody) {
        if (n.pitch != 0) play(at, n.pitch, 0.9 + 0.15 * rnd.next());
        at += n.beats * Beat;
    }
    for (int bar = 0; bar < Bars; ++bar) {
        const double start = bar * 4 * Beat;
        play(start, kBassRoots[bar], 0.7);
        if (bar < Bars - 1) play(start + 2 * Beat, kBassRoots[bar] + 7, 0.45);
        if (bar % 2 == 1 && bar < Bars - 1) play(start + 3.5 * Beat, kBassRoots[bar] + 12, 0.3);
    }
    double top = 0;
    for (double v : s) top = std::max(top, std::abs(v));
    for (double& v : s) v *= 0.5 / top;
    return s;
}

}  // namespace

std::vector<NamedWave> soundWaves() {
    return {
        {QStringLiteral("駒打音"), EffectRate, pieceClick()},
        {QStringLiteral("禁止"), EffectRate, refusalBuzz()},
        {QStringLiteral("その他"), EffectRate, chime()},
        {QStringLiteral("BGM"), MusicRate, backgroundMusic()},
    };
}

}  // namespace gen
