// Writes the four feedback sounds into a sound folder: z0.wav and z1.wav,
// bright rising chimes for a right answer, and c0.wav and c1.wav, soft low
// falling tones for a wrong one. 22050 Hz, mono, 16-bit.
// Usage: make_sounds SOUND_FOLDER
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Note
{
    double frequency; // Hz at the start
    double endFrequency;
    double seconds;
    double brightness; // share of the second harmonic
};

// Each note starts softly, then fades out like a struck bell.
std::vector<short> render(const std::vector<Note> &notes, double volume)
{
    std::vector<short> samples;
    double phase = 0;
    for (const Note &note : notes) {
        const int count = int(note.seconds * kRate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / count;
            const double frequency = note.frequency + (note.endFrequency - note.frequency) * t;
            phase += 2 * kPi * frequency / kRate;
            const double attack = std::min(1.0, i / (0.008 * kRate));
            const double envelope = attack * std::exp(-4.0 * t);
            const double wave = (1 - note.brightness) * std::sin(phase) + note.brightness * std::sin(2 * phase);
            samples.push_back(short(std::lround(32767 * volume * envelope * wave)));
        }
    }
    return samples;
}

bool write(const std::string &path, const std::vector<short> &samples)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    const sf_count_t written = sf_write_short(file, samples.data(), sf_count_t(samples.size()));
    sf_close(file);
    std::printf("%s: %zu samples\n", path.c_str(), samples.size());
    return written == sf_count_t(samples.size());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds SOUND_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const double C6 = 1046.5, E6 = 1318.5, G6 = 1568.0, G5 = 784.0;
    const double E4 = 329.6, C4 = 261.6, A3 = 220.0;
    bool ok = true;
    ok &= write(folder + "/z0.wav", render({{C6, C6, 0.11, 0.2}, {E6, E6, 0.22, 0.2}}, 0.45));
    ok &= write(folder + "/z1.wav", render({{G5, G5, 0.08, 0.25}, {C6, C6, 0.08, 0.25}, {G6, G6, 0.22, 0.25}}, 0.45));
    ok &= write(folder + "/c0.wav", render({{E4, E4, 0.16, 0.1}, {C4, C4, 0.26, 0.1}}, 0.5));
    ok &= write(folder + "/c1.wav", render({{A3, A3 * 0.8, 0.38, 0.15}}, 0.5));
    return ok ? 0 : 1;
}
