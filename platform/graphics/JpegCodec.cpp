#include "platform/graphics/JpegCodec.h"

#include "platform/graphics/EInvalidGraphic.h"
#include "platform/graphics/GraphicFile.h"
#include "platform/graphics/PixelOps.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

// libjpeg reports fatal errors through error_exit, which must not return. We leave by longjmp
// back into a small phase function whose frame holds only trivially destructible objects, so
// the jump never skips a C++ destructor; the exception is raised after that function returned.

namespace plat::JpegCodec {

namespace {

constexpr int InitialOutputBytes = 64 * 1024;

// A progressive file is read scan by scan, and every scan is a pass over all blocks of the
// picture. Encoders write a dozen or so; thousands of scans of a few bytes each would keep the
// decoder busy for minutes.
constexpr int MaxScans = 500;

// Our own error code beside libjpeg's message codes, for the scans beyond MaxScans.
constexpr int TooManyScans = -1;

struct ErrorManager {
    jpeg_error_mgr pub;  // first member: libjpeg hands us a pointer to it
    std::jmp_buf jump;
    int code;
};

[[noreturn]] void ExitByJump(j_common_ptr cinfo)
{
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    error->code = error->pub.msg_code;
    std::longjmp(error->jump, 1);
}

// libjpeg patches over lost image data with grey rows and a warning; we report the picture as
// damaged instead. Warnings about ancillary data (stray bytes between markers and the like)
// leave the pixels intact and are tolerated, as common cameras write such files.
void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
        ExitByJump(cinfo);
    default:
        ++cinfo->err->num_warnings;
    }
}

void InstallErrorManager(ErrorManager& error)
{
    jpeg_std_error(&error.pub);
    error.pub.error_exit = ExitByJump;
    error.pub.emit_message = EmitMessage;
}

// libjpeg calls its progress monitor between the rows of blocks it reads.
void LimitScans(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > MaxScans) {
        cinfo->err->msg_code = TooManyScans;
        ExitByJump(cinfo);
    }
}

[[noreturn]] void RaiseJpegError(int code)
{
    throw EInvalidGraphic("JPEG error #" + std::to_string(code));
}

[[noreturn]] void RaiseTooLarge(JDIMENSION width, JDIMENSION height)
{
    throw EInvalidGraphic("JPEG picture too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
}

// libjpeg has no backing store here: a decoder needing more than its limit ends with this.
bool IsOutOfMemory(int code)
{
    return code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY;
}

[[noreturn]] void RaiseDecodeError(int code, JDIMENSION width, JDIMENSION height)
{
    if (IsOutOfMemory(code))
        RaiseTooLarge(width, height);
    if (code == TooManyScans)
        throw EInvalidGraphic("JPEG picture has more than " + std::to_string(MaxScans) + " scans");
    RaiseJpegError(code);
}

// The bytes of the image Decode returns: rows of B, G, R padded to 32 bits, as QImage lays them.
std::uint64_t ImageBytes(JDIMENSION width, JDIMENSION height)
{
    return (std::uint64_t{width} * 3 + 3) / 4 * 4 * height;
}

struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    jpeg_progress_mgr progress;
};

bool ReadHeader(DecodeJob& job, const unsigned char* data, unsigned long sizeBytes)
{
    job.cinfo.err = &job.error.pub;
    if (setjmp(job.error.jump)) {
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    jpeg_create_decompress(&job.cinfo);
    job.progress.progress_monitor = LimitScans;
    job.cinfo.progress = &job.progress;
    jpeg_mem_src(&job.cinfo, data, sizeBytes);
    jpeg_read_header(&job.cinfo, TRUE);
    job.cinfo.out_color_space = JCS_EXT_BGR;
    return true;
}

// Reserves the decoder's buffers within its memory limit and, for a progressive picture, reads
// all its scans.
bool StartDecompress(DecodeJob& job)
{
    if (setjmp(job.error.jump)) {
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    jpeg_start_decompress(&job.cinfo);
    return true;
}

bool ReadRows(DecodeJob& job, unsigned char* bits, std::size_t bytesPerLine)
{
    if (setjmp(job.error.jump)) {
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    while (job.cinfo.output_scanline < job.cinfo.output_height) {
        JSAMPROW row = bits + job.cinfo.output_scanline * bytesPerLine;
        jpeg_read_scanlines(&job.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&job.cinfo);
    jpeg_destroy_decompress(&job.cinfo);
    return true;
}

// A destination that grows its own malloc'd buffer, so that an error part-way leaves exactly
// one block for us to free (libjpeg's memory destination loses track of it on error).
struct EncodeJob {
    jpeg_compress_struct cinfo;
    ErrorManager error;
    jpeg_destination_mgr destination;
    unsigned char* buffer;
    std::size_t capacityBytes;
    std::size_t sizeBytes;
};

EncodeJob& JobOf(j_compress_ptr cinfo)
{
    return *static_cast<EncodeJob*>(cinfo->client_data);
}

void InitDestination(j_compress_ptr cinfo)
{
    EncodeJob& job = JobOf(cinfo);
    job.buffer = static_cast<unsigned char*>(std::malloc(InitialOutputBytes));
    if (!job.buffer)
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    job.capacityBytes = InitialOutputBytes;
    job.destination.next_output_byte = job.buffer;
    job.destination.free_in_buffer = job.capacityBytes;
}

boolean GrowDestination(j_compress_ptr cinfo)
{
    EncodeJob& job = JobOf(cinfo);
    const std::size_t grownBytes = job.capacityBytes * 2;
    auto* grown = static_cast<unsigned char*>(std::realloc(job.buffer, grownBytes));
    if (!grown)
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    job.buffer = grown;
    job.destination.next_output_byte = grown + job.capacityBytes;
    job.destination.free_in_buffer = grownBytes - job.capacityBytes;
    job.capacityBytes = grownBytes;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    EncodeJob& job = JobOf(cinfo);
    job.sizeBytes = job.capacityBytes - job.destination.free_in_buffer;
}

bool Compress(EncodeJob& job, const QImage& image, int quality)
{
    job.cinfo.err = &job.error.pub;
    if (setjmp(job.error.jump)) {
        jpeg_destroy_compress(&job.cinfo);
        return false;
    }
    jpeg_create_compress(&job.cinfo);
    job.cinfo.client_data = &job;
    job.destination.init_destination = InitDestination;
    job.destination.empty_output_buffer = GrowDestination;
    job.destination.term_destination = TermDestination;
    job.cinfo.dest = &job.destination;
    job.cinfo.image_width = static_cast<JDIMENSION>(image.width());
    job.cinfo.image_height = static_cast<JDIMENSION>(image.height());
    job.cinfo.input_components = 3;
    job.cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&job.cinfo);
    jpeg_set_quality(&job.cinfo, quality, TRUE);
    jpeg_start_compress(&job.cinfo, TRUE);
    while (job.cinfo.next_scanline < job.cinfo.image_height) {
        // libjpeg only reads the row; its interface just lacks the const.
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(job.cinfo.next_scanline)));
        jpeg_write_scanlines(&job.cinfo, &row, 1);
    }
    jpeg_finish_compress(&job.cinfo);
    jpeg_destroy_compress(&job.cinfo);
    return true;
}

}  // namespace

QImage Decode(std::span<const std::uint8_t> data)
{
    DecodeJob job{};
    InstallErrorManager(job.error);
    if (!ReadHeader(job, data.data(), static_cast<unsigned long>(data.size())))
        RaiseJpegError(job.error.code);

    // Checked before libjpeg reserves its own buffers for the picture, which then get what the
    // pixels leave of the cap (0 would mean no limit at all).
    const JDIMENSION width = job.cinfo.image_width;
    const JDIMENSION height = job.cinfo.image_height;
    const std::uint64_t imageBytes = ImageBytes(width, height);
    if (imageBytes >= MaxDecodeBytes) {
        jpeg_destroy_decompress(&job.cinfo);
        RaiseTooLarge(width, height);
    }
    job.cinfo.mem->max_memory_to_use = static_cast<long>(MaxDecodeBytes - imageBytes);
    if (!StartDecompress(job))
        RaiseDecodeError(job.error.code, width, height);
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_BGR888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&job.cinfo);
        RaiseTooLarge(width, height);
    }
    if (!ReadRows(job, image.bits(), static_cast<std::size_t>(image.bytesPerLine())))
        RaiseDecodeError(job.error.code, width, height);
    return image;
}

QImage DecodeFile(const std::string& fileName)
{
    return Decode(GraphicFile::Read(fileName));
}

std::vector<std::uint8_t> Encode(const QImage& image, int quality)
{
    const QImage source = image.format() == QImage::Format_BGR888
                              ? image
                              : PixelOps::Opaque(image).convertToFormat(QImage::Format_BGR888);
    EncodeJob job{};
    InstallErrorManager(job.error);
    const bool compressed = Compress(job, source, quality);
    const std::unique_ptr<unsigned char, decltype(&std::free)> output(job.buffer, &std::free);
    if (!compressed)
        RaiseJpegError(job.error.code);
    return std::vector<std::uint8_t>(output.get(), output.get() + job.sizeBytes);
}

}  // namespace plat::JpegCodec
