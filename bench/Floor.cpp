#include "Floor.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <atomic>
#include <csetjmp>
#include <jpeglib.h>
#include <thread>
#include <vector>

namespace vellumora::bench {

namespace {

struct Failure {
    jpeg_error_mgr manager {};
    std::jmp_buf jump {};
};

void fail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Failure*>(info->err)->jump, 1);
}

// Returns a sum of the decoded pixels, kept so that the work cannot be optimised away.
unsigned decode(const QString& path, std::vector<JSAMPLE>& row)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray bytes = file.readAll();
    jpeg_decompress_struct info {};
    Failure failure;
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = fail;
    volatile unsigned sum = 0;
    if (setjmp(failure.jump) == 0) {
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
        jpeg_read_header(&info, TRUE);
        info.scale_num = 1;
        info.scale_denom = 8;
        info.out_color_space = JCS_EXT_BGRX;
        jpeg_start_decompress(&info);
        row.resize(size_t(info.output_width) * 4);
        while (info.output_scanline < info.output_height) {
            JSAMPROW rows[] = { row.data() };
            jpeg_read_scanlines(&info, rows, 1);
            sum = sum + row[0];
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return sum;
}

} // namespace

double decodeAtAnEighthOnEveryCore(const QStringList& photos)
{
    std::atomic<qsizetype> next = 0;
    std::atomic<unsigned> checksum = 0;
    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> threads;
    for (int t = 0; t < QThread::idealThreadCount(); ++t) {
        threads.emplace_back([&] {
            std::vector<JSAMPLE> row;
            for (qsizetype i = next++; i < photos.size(); i = next++) {
                checksum += decode(photos.at(i), row);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    return clock.nsecsElapsed() / 1e6;
}

} // namespace vellumora::bench
