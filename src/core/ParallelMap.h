#pragma once

#include <QList>
#include <algorithm>
#include <thread>
#include <type_traits>
#include <vector>

/// `f(i)` for every i in [0, count), on every core once count reaches `parallelFrom` (below that,
/// starting threads costs more than it saves). Each thread takes its own stride of indexes; plain
/// threads, joined before this returns, which the thread sanitizer sees whole (QtConcurrent's
/// kernels live partly in the uninstrumented Qt library and show as races).
template <typename F>
void forEachIndex(qsizetype count, const F& f, qsizetype parallelFrom) {
    const qsizetype threads =
        count < parallelFrom ? 1 : std::clamp<qsizetype>(std::thread::hardware_concurrency(), 1, 8);
    const auto stride = [&](qsizetype first) {
        for (qsizetype i = first; i < count; i += threads) f(i);
    };
    std::vector<std::thread> helpers;
    for (qsizetype t = 1; t < threads; ++t) helpers.emplace_back(stride, t);
    stride(0);
    for (std::thread& helper : helpers) helper.join();
}

/// `f` of each element, the results in the elements' order, each written to its own slot.
template <typename T, typename F>
QList<std::invoke_result_t<F, const T&>> mappedInOrder(const QList<T>& in, const F& f,
                                                       qsizetype parallelFrom) {
    QList<std::invoke_result_t<F, const T&>> out(in.size());
    auto* slots = out.data();
    forEachIndex(
        in.size(), [&](qsizetype i) { slots[i] = f(in[i]); }, parallelFrom);
    return out;
}
