// The diagram entry of the exporter's Qt module: draws each park with the window's painter, with Qt
// started on its offscreen platform, which needs no display.
#include "diagrammodule.h"

#include "gui/diagram/parkdiagramfiles.h"
#include "moduleapplication.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <type_traits>
#include <vector>

namespace {

using namespace vendrix;

// Every park's SVG, drawn on worker threads (QPainter on a paint device of its own is safe off the
// GUI thread) and handed over in table order on this one, which writes while the workers draw. A
// bounded lead keeps memory flat for any season.
void deliverEverySvg(const exporter::DiagramRequest& request) {
    const parktable::ParkTable& table = *request.table;
    const parkshape::SeasonShapes season = parkshape::SeasonShapes::of(table);
    const int parks = table.parkCount();
    constexpr int kLead = 256;
    std::mutex mutex;
    std::condition_variable drawn;
    std::condition_variable room;
    std::vector<std::optional<QByteArray>> svgs(static_cast<std::size_t>(parks));
    int nextToDraw = 0;
    int delivered = 0;
    bool stop = false;

    auto work = [&] {
        for (;;) {
            int park = 0;
            {
                std::unique_lock lock(mutex);
                room.wait(lock, [&] { return stop || nextToDraw - delivered < kLead; });
                if (stop || nextToDraw >= parks)
                    return;
                park = nextToDraw++;
            }
            QByteArray svg = gui::ParkDiagramFiles::svg(
                gui::ParkDiagram::ofRow(table, parktable::kFirstParkRow + park, season));
            {
                const std::lock_guard lock(mutex);
                svgs[static_cast<std::size_t>(park)] = std::move(svg);
            }
            drawn.notify_all();
        }
    };
    const int workers = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    // However this function is left, the workers are told to stop before they are joined.
    struct StopOnExit {
        std::mutex& mutex;
        bool& stop;
        std::condition_variable& room;
        ~StopOnExit() {
            {
                const std::lock_guard lock(mutex);
                stop = true;
            }
            room.notify_all();
        }
    };
    std::vector<std::jthread> threads;
    const StopOnExit stopOnExit{mutex, stop, room}; // destroyed before the threads are joined
    for (int i = 0; i < workers; ++i)
        threads.emplace_back(work);

    for (int park = 0; park < parks; ++park) {
        QByteArray svg;
        {
            std::unique_lock lock(mutex);
            drawn.wait(lock, [&] { return svgs[static_cast<std::size_t>(park)].has_value(); });
            svg = std::move(*svgs[static_cast<std::size_t>(park)]);
            svgs[static_cast<std::size_t>(park)].reset();
        }
        const bool written =
            request.deliverSvg(parktable::kFirstParkRow + park,
                               std::string_view(svg.constData(), static_cast<std::size_t>(svg.size())));
        {
            const std::lock_guard lock(mutex);
            delivered = park + 1;
            stop = !written;
        }
        room.notify_all();
        if (!written)
            break;
    }
}

void draw(const exporter::DiagramRequest& request, exporter::DiagramResult& result) {
    const exporter::ModuleApplication application;
    if (request.deliverSvg) {
        if (!gui::ParkDiagramFiles::canWriteSvg())
            throw std::runtime_error(gui::ParkDiagramFiles::kNoSvgMessage);
        deliverEverySvg(request);
    }
    if (request.renderSheet) {
        const QByteArray pdf = gui::ParkDiagramFiles::sheet(*request.table, request.title);
        result.sheet.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    }
}

} // namespace

#ifdef _WIN32
#define VENDRIX_EXPORTED __declspec(dllexport)
#else
#define VENDRIX_EXPORTED __attribute__((visibility("default")))
#endif

extern "C" VENDRIX_EXPORTED void vendrix_export_diagrams_v1(const vendrix::exporter::DiagramRequest& request,
                                                            vendrix::exporter::DiagramResult& result) {
    static_assert(std::is_same_v<decltype(&vendrix_export_diagrams_v1), vendrix::exporter::DiagramEntry>);
    try {
        draw(request, result);
    } catch (const std::exception& error) {
        result.error = error.what();
    }
}
