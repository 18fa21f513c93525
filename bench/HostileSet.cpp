#include "HostileSet.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace vellumora::bench {

namespace {

struct Recipe {
    const char* file;
    const char* name;
    int width;
    int height;
    int lumaSampling; // 1: 4:4:4, 2: 4:2:0
    enum class Scans { Baseline, Progressive, OnePerComponent } scans;
    bool hostile;
};

constexpr Recipe kRecipes[] = {
    { "progressive-9200-444.jpg", "9200 x 9200, 4:4:4, progressive", 9200, 9200, 1,
        Recipe::Scans::Progressive, true },
    { "progressive-10000-420.jpg", "10000 x 10000, 4:2:0, progressive", 10000, 10000, 2,
        Recipe::Scans::Progressive, true },
    { "sequential-10000-444-scans.jpg", "10000 x 10000, 4:4:4, a scan per component", 10000, 10000, 1,
        Recipe::Scans::OnePerComponent, true },
    { "progressive-6000x4000-444.jpg", "24 MP, 4:4:4, progressive", 6000, 4000, 1, Recipe::Scans::Progressive,
        false },
    { "baseline-8660x5774-420.jpg", "50 MP, 4:2:0, baseline", 8660, 5774, 2, Recipe::Scans::Baseline, false },
};

// A smooth picture: a few bytes per block, so even 100 MP stays near a megabyte on disk.
bool writeJpeg(const QString& path, const Recipe& recipe)
{
    const QByteArray name = QFile::encodeName(path + QStringLiteral(".part"));
    std::FILE* out = std::fopen(name.constData(), "wb");
    if (!out) {
        return false;
    }
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr errors {};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = JDIMENSION(recipe.width);
    cinfo.image_height = JDIMENSION(recipe.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    cinfo.comp_info[0].h_samp_factor = recipe.lumaSampling;
    cinfo.comp_info[0].v_samp_factor = recipe.lumaSampling;
    std::vector<jpeg_scan_info> oneScanEach(3);
    if (recipe.scans == Recipe::Scans::Progressive) {
        jpeg_simple_progression(&cinfo);
    } else if (recipe.scans == Recipe::Scans::OnePerComponent) {
        for (int c = 0; c < 3; ++c) {
            oneScanEach[size_t(c)] = { 1, { c, 0, 0, 0 }, 0, 63, 0, 0 };
        }
        cinfo.scan_info = oneScanEach.data();
        cinfo.num_scans = 3;
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(recipe.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < recipe.width; ++x) {
            row[size_t(x) * 3] = JSAMPLE(60 + x * 120 / recipe.width);
            row[size_t(x) * 3 + 1] = JSAMPLE(80 + y * 120 / recipe.height);
            row[size_t(x) * 3 + 2] = JSAMPLE(140);
        }
        JSAMPROW rows[] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const bool written = std::fclose(out) == 0;
    return written && QFile::rename(path + QStringLiteral(".part"), path);
}

} // namespace

HostileSet::HostileSet(QString folder)
    : m_folder(std::move(folder))
{
}

QList<HostilePicture> HostileSet::ensure()
{
    QDir().mkpath(m_folder);
    QList<HostilePicture> pictures;
    for (const Recipe& recipe : kRecipes) {
        const QString path = QDir(m_folder).filePath(QString::fromLatin1(recipe.file));
        if (!QFile::exists(path)) {
            std::printf("making %s (once; kept for later runs)\n", recipe.file);
            std::fflush(stdout);
            writeJpeg(path, recipe);
        }
        pictures.append({ QString::fromLatin1(recipe.name), path, recipe.hostile });
    }
    return pictures;
}

} // namespace vellumora::bench
