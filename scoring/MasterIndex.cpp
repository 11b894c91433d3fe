// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/MasterIndex.h"

#include <algorithm>
#include <string_view>

namespace scoring {
namespace {

constexpr int kSymbols = 37; // A-Z, 0-9, "/"

int symbol(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= '0' && c <= '9')
        return 26 + (c - '0');
    return c == '/' ? 36 : -1;
}

int gramCount(int n)
{
    return n == 2 ? kSymbols * kSymbols : kSymbols * kSymbols * kSymbols;
}

// The gram of `n` characters at `p`; -1 when one cannot stand in a call.
int gramKey(const char* p, int n)
{
    int key = 0;
    for (int i = 0; i < n; ++i) {
        const int s = symbol(p[i]);
        if (s < 0)
            return -1;
        key = key * kSymbols + s;
    }
    return key;
}

constexpr std::uint32_t kHashStart = 2166136261u;

std::uint32_t hashStep(std::uint32_t h, char c)
{
    return (h ^ std::uint8_t(c)) * 16777619u;
}

// The hashes of `call` itself and of every form with one character dropped
// (dropping either of two equal neighbours gives one form).
template <class Visit>
void forEachForm(QByteArrayView call, Visit&& visit)
{
    const qsizetype n = call.size();
    std::uint32_t prefix = kHashStart;
    std::uint32_t whole = kHashStart;
    for (char c : call)
        whole = hashStep(whole, c);
    visit(whole);
    for (qsizetype drop = 0; drop < n; ++drop) {
        if (drop == 0 || call[drop] != call[drop - 1]) {
            std::uint32_t h = prefix;
            for (qsizetype j = drop + 1; j < n; ++j)
                h = hashStep(h, call[j]);
            visit(h);
        }
        prefix = hashStep(prefix, call[drop]);
    }
}

std::string_view view(QByteArrayView v)
{
    return {v.data(), size_t(v.size())};
}

std::uint32_t hashOf(QByteArrayView call)
{
    std::uint32_t h = kHashStart;
    for (char c : call)
        h = hashStep(h, c);
    return h;
}

size_t powerOfTwoAbove(size_t n)
{
    size_t p = 1;
    while (p < n)
        p <<= 1;
    return p;
}

} // namespace

MasterIndex::MasterIndex(const std::vector<QByteArrayView>& calls)
{
    qsizetype total = 0;
    for (QByteArrayView c : calls)
        total += c.size();
    m_chars.reserve(total);
    m_start.reserve(calls.size() + 1);
    m_start.push_back(0);
    // Open addressing on the whole call: a call listed twice is kept once.
    std::vector<std::int32_t> seen(powerOfTwoAbove(2 * calls.size() + 1), -1);
    const size_t mask = seen.size() - 1;
    for (QByteArrayView c : calls) {
        size_t slot = hashOf(c) & mask;
        while (seen[slot] >= 0 && call(seen[slot]) != c)
            slot = (slot + 1) & mask;
        if (seen[slot] >= 0)
            continue;
        seen[slot] = size();
        m_chars.append(c);
        m_start.push_back(std::uint32_t(m_chars.size()));
    }
    buildGrams(2, m_pairs);
    buildGrams(3, m_triples);
    buildDropped();
}

// Two passes, counting then filling, so each list is one block in id order.
// A small file gets fewer triple buckets than there are triples: a bucket
// then holds several, and every match is checked anyway.
void MasterIndex::buildGrams(int n, Postings& postings) const
{
    const int grams = n == 2 ? gramCount(2)
                             : int(std::min(size_t(gramCount(3)), powerOfTwoAbove(size_t(m_chars.size()) + 1)));
    std::vector<std::int32_t> last(size_t(grams), -1);
    postings.begin.assign(size_t(grams) + 1, 0);
    auto eachGram = [&](auto&& take) {
        for (int id = 0; id < size(); ++id) {
            const QByteArrayView c = call(id);
            for (qsizetype p = 0; p + n <= c.size(); ++p) {
                const int key = gramKey(c.data() + p, n) % grams;
                if (last[size_t(key)] != id) {
                    last[size_t(key)] = id;
                    take(key, id);
                }
            }
        }
    };
    eachGram([&](int key, int) { ++postings.begin[size_t(key) + 1]; });
    for (size_t k = 1; k < postings.begin.size(); ++k)
        postings.begin[k] += postings.begin[k - 1];
    postings.ids.resize(postings.begin.back());
    std::vector<std::uint32_t> next(postings.begin.begin(), postings.begin.end() - 1);
    std::fill(last.begin(), last.end(), -1);
    eachGram([&](int key, int id) { postings.ids[next[size_t(key)]++] = std::uint32_t(id); });
}

// Every form in a bucket of its hash, counted then filled as the grams are.
void MasterIndex::buildDropped()
{
    size_t forms = 0;
    for (int id = 0; id < size(); ++id)
        forEachForm(call(id), [&](std::uint32_t) { ++forms; });
    m_dropped.begin.assign(powerOfTwoAbove(forms + 1) + 1, 0);
    const std::uint32_t mask = std::uint32_t(m_dropped.begin.size() - 2);
    for (int id = 0; id < size(); ++id)
        forEachForm(call(id), [&](std::uint32_t h) { ++m_dropped.begin[(h & mask) + 1]; });
    for (size_t k = 1; k < m_dropped.begin.size(); ++k)
        m_dropped.begin[k] += m_dropped.begin[k - 1];
    m_dropped.ids.resize(forms);
    std::vector<std::uint32_t> next(m_dropped.begin.begin(), m_dropped.begin.end() - 1);
    for (int id = 0; id < size(); ++id)
        forEachForm(call(id), [&](std::uint32_t h) { m_dropped.ids[next[h & mask]++] = std::uint32_t(id); });
}

// The calls sharing a form's bucket with `call`: every call one edit away,
// and a few more (two edits, a shared bucket) that the caller sorts out.
std::vector<int> MasterIndex::candidates(QByteArrayView call) const
{
    std::vector<int> found;
    const std::uint32_t mask = std::uint32_t(m_dropped.begin.size() - 2);
    forEachForm(call, [&](std::uint32_t h) {
        for (std::uint32_t i = m_dropped.begin[h & mask]; i < m_dropped.begin[(h & mask) + 1]; ++i)
            found.push_back(int(m_dropped.ids[i]));
    });
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

bool MasterIndex::contains(QByteArrayView c) const
{
    for (int id : candidates(c)) {
        if (call(id) == c)
            return true;
    }
    return false;
}

std::vector<int> MasterIndex::containing(QByteArrayView fragment, int limit) const
{
    std::vector<int> found;
    if (fragment.size() < 2)
        return found;
    const int n = fragment.size() == 2 ? 2 : 3;
    const Postings& postings = n == 2 ? m_pairs : m_triples;
    int rarest = -1;
    const int buckets = int(postings.begin.size()) - 1;
    for (qsizetype p = 0; p + n <= fragment.size(); ++p) {
        int key = gramKey(fragment.data() + p, n);
        if (key < 0)
            return found;
        key %= buckets;
        if (rarest < 0 || postings.begin[size_t(key) + 1] - postings.begin[size_t(key)]
                              < postings.begin[size_t(rarest) + 1] - postings.begin[size_t(rarest)])
            rarest = key;
    }
    for (std::uint32_t i = postings.begin[size_t(rarest)]; i < postings.begin[size_t(rarest) + 1]; ++i) {
        if (int(found.size()) >= limit)
            break;
        const int id = int(postings.ids[i]);
        if (n == 2 || view(call(id)).find(view(fragment)) != std::string_view::npos)
            found.push_back(id);
    }
    return found;
}

std::vector<int> MasterIndex::oneAway(QByteArrayView c, int limit) const
{
    std::vector<int> found;
    for (int id : candidates(c)) {
        if (int(found.size()) >= limit)
            break;
        if (oneEditApart(c, call(id)))
            found.push_back(id);
    }
    return found;
}

bool oneEditApart(QByteArrayView a, QByteArrayView b)
{
    if (a.size() < b.size())
        std::swap(a, b);
    const qsizetype la = a.size();
    const qsizetype lb = b.size();
    if (la - lb > 1)
        return false;
    qsizetype i = 0;
    while (i < lb && a[i] == b[i])
        ++i;
    if (i == la)
        return false; // the same call
    if (la == lb)
        return a.sliced(i + 1) == b.sliced(i + 1);
    return a.sliced(i + 1) == b.sliced(i);
}

} // namespace scoring
