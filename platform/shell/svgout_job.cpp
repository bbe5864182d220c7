#include "svgout_job.h"

#include "drawing_file.h"
#include "svg_picture.h"
#include "text_codec.h"
#include "transcript.h"

#include <cstdio>

namespace rvnshell {

namespace {

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kUsageError = 2;

void showError(const std::wstring& text) { rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, text); }

}  // namespace

std::optional<int> runSvgOutJob(const std::vector<std::string>& arguments) {
    const rvnhost::SvgOutArguments options =
        rvnhost::parseSvgOutArguments({arguments.begin() + 1, arguments.end()});
    if (options.help) {
        std::fputs(rvnos::toUtf8(rvnhost::svgOutUsage()).c_str(), stdout);
        return kWritten;
    }
    if (!options.error.empty()) {
        showError(L"rivanta svgout: " + options.error + L"\nTry \"rivanta svgout --help\".");
        return kUsageError;
    }
    if (!options.network.empty()) return std::nullopt;
    std::wstring message;
    std::unique_ptr<AcDbDatabase> database = rvnhost::openDrawingFile(options.drawing, message);
    rvnhost::SvgPicture picture;
    picture.window = options.window;
    if (database == nullptr ||
        !rvnhost::writeSvgPicture(*database, picture, options.output, {&options.drawing, 1}, message)) {
        showError(L"rivanta svgout: " + message);
        return kNotWritten;
    }
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine, L"\nWrote \"" + options.output + L"\".");
    return kWritten;
}

}  // namespace rvnshell
