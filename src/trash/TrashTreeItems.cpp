#include "TrashTreeItems.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "TrashTreeOrder.h"
#include "core/ParallelMap.h"
#include "core/fs/FsTree.h"
#include "platform/Paths.h"

namespace {

constexpr qsizetype BatchSize = 1024;
// The kind given to an entry that is not shown: gone since it was listed, or a dangling link.
constexpr unsigned char NotShown = DT_WHT;

}  // namespace

TrashTreeItems::TrashTreeItems(std::shared_ptr<const Paths> paths, CVTrashController::SizeFunction size,
                               CVTrashController::OrigPathFunction origPath)
    : m_paths(std::move(paths)), m_size(std::move(size)), m_origPath(std::move(origPath)) {}

namespace {

/// The names of the Trash's own level in the order they were met, in one block of text.
struct TopNames {
    QByteArray text;
    std::vector<qsizetype> starts;
    void append(const QByteArray& name) {
        starts.push_back(text.size());
        text.append(name);
    }
    QByteArray at(qsizetype i) const {
        const qsizetype end = i + 1 < qsizetype(starts.size()) ? starts[std::size_t(i + 1)] : text.size();
        return text.mid(starts[std::size_t(i)], end - starts[std::size_t(i)]);
    }
};

/// Reads the Trash's own level and orders it from names and kinds alone: the kind the listing
/// gives, an lstat only where the file system does not say and a look through each link (a dangling
/// one is not shown). Returns the indexes into `names` in their place.
std::vector<qsizetype> orderedLevel(const OpenFolder& trash, TopNames& names) {
    TrashTreeOrder order(true);
    trash.kindsInSlices(BatchSize * 4, [&](QList<QByteArray>&& slice, std::vector<unsigned char>&& kinds) {
        forEachIndex(
            slice.size(),
            [&](qsizetype i) {
                unsigned char& kind = kinds[std::size_t(i)];
                if (kind == DT_UNKNOWN) {
                    const std::optional<struct stat> st = trash.entry(slice[i]);
                    if (!st)
                        kind = NotShown;
                    else if (S_ISDIR(st->st_mode))
                        kind = DT_DIR;
                    else if (S_ISLNK(st->st_mode))
                        kind = DT_LNK;
                    else
                        kind = DT_REG;
                }
                if (kind == DT_LNK && !trash.target(slice[i])) kind = NotShown;
            },
            256);
        for (qsizetype i = 0; i < slice.size(); ++i) {
            const unsigned char kind = kinds[std::size_t(i)];
            if (kind == NotShown) continue;
            order.add(qsizetype(names.starts.size()), FsName::fromBytes(slice[i]), kind == DT_DIR);
            names.append(slice[i]);
        }
    });
    return order.order();
}

}  // namespace

void TrashTreeItems::each(const std::function<void(const CVTrashFileNode& item)>& visit) const {
    const OpenFolder trash = OpenFolder::open(m_paths->userTrash());
    if (!trash.isOpen()) return;
    TopNames names;
    const std::vector<qsizetype> ordered = orderedLevel(trash, names);

    // Each core builds items with a controller of its own, taking the next item of the batch.
    const qsizetype workers = std::clamp<qsizetype>(std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::unique_ptr<CVTrashController>> controllers;
    for (qsizetype w = 0; w < workers; ++w)
        controllers.push_back(std::make_unique<CVTrashController>(m_paths, m_size, m_origPath));
    std::vector<CVTrashFileNode::Ptr> batch;
    for (std::size_t first = 0; first < ordered.size(); first += BatchSize) {
        batch.assign(std::min(ordered.size() - first, std::size_t(BatchSize)), nullptr);
        std::atomic<std::size_t> next{0};
        forEachIndex(
            workers,
            [&](qsizetype w) {
                for (std::size_t i = next++; i < batch.size(); i = next++)
                    batch[i] = controllers[std::size_t(w)]->buildItem(trash, names.at(ordered[first + i]));
            },
            2);
        for (const CVTrashFileNode::Ptr& item : batch)
            if (item) visit(*item);
    }
}
