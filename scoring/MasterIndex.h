// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <vector>

// The calls of a master call file, indexed once at load so that every key
// of the call field is answered without a scan of the whole list: a call
// containing a fragment is found through the rarest of the fragment's
// character pairs or triples; a call one character away through the calls
// with one character dropped (a call one change, insertion or deletion from
// another shares such a dropped form with it).
namespace scoring {

class MasterIndex
{
public:
    // `calls`: valid calls (A-Z, 0-9, "/") in the file's order; a call
    // listed again is kept once, where it first stands.
    explicit MasterIndex(const std::vector<QByteArrayView>& calls);

    int size() const { return int(m_start.size()) - 1; }
    QByteArrayView call(int id) const { return {m_chars.constData() + m_start[id], m_start[id + 1] - m_start[id]}; }
    bool contains(QByteArrayView call) const;
    // The calls that contain `fragment` (two characters or more), in the
    // file's order, at most `limit`.
    std::vector<int> containing(QByteArrayView fragment, int limit) const;
    // The calls one character away from `call` (changed, added or dropped),
    // in the file's order, at most `limit`.
    std::vector<int> oneAway(QByteArrayView call, int limit) const;

private:
    // Call ids per gram or bucket, in the file's order.
    struct Postings
    {
        std::vector<std::uint32_t> begin; // per gram, into ids; one more at the end
        std::vector<std::uint32_t> ids;
    };
    void buildGrams(int n, Postings& postings) const;
    void buildDropped();
    std::vector<int> candidates(QByteArrayView call) const;

    QByteArray m_chars;
    std::vector<std::uint32_t> m_start; // call i is m_chars[m_start[i], m_start[i + 1])
    Postings m_pairs;
    Postings m_triples;
    Postings m_dropped; // call ids per hash bucket of each call and its dropped forms
};

// One character changed, added or dropped turns `a` into `b`.
bool oneEditApart(QByteArrayView a, QByteArrayView b);

} // namespace scoring
