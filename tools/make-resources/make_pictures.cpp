// rq-make-pictures OUTDIR: draws the certificate's two pictures and writes
// them as baseline JPEG files coat_of_arms.jpg and quality_mark.jpg. The
// output is deterministic, so the committed files can be regenerated and
// compared.
#include "jpeg_file.h"
#include "pictures.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int kQuality = 92;

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: rq-make-pictures OUTDIR\n";
        return 64;
    }
    const std::string dir = argv[1];
    try {
        const struct {
            const char* file;
            rq::pictures::Raster image;
        } pictures[] = {{"coat_of_arms.jpg", rq::pictures::coatOfArms()},
                        {"quality_mark.jpg", rq::pictures::qualityMark()}};
        for (const auto& p : pictures) {
            if (!writeFile(dir + "/" + p.file, rq::pictures::encodeJpeg(p.image, kQuality))) {
                std::cerr << "rq-make-pictures: cannot write " << dir << '/' << p.file << '\n';
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "rq-make-pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
