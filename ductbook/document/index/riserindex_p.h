#ifndef RISERINDEX_P_H
#define RISERINDEX_P_H

#include "ductbook_global.h"
#include "index/namesequence_p.h"

#include <QDomElement>
#include <QHash>
#include <QString>
#include <QStringList>

// The cable lists of the vertical runs ("connected" and "disconnected", the
// tags joined with ","), held beside the tree for the runs a walk from the
// top reaches, with the reverse: which runs list each cable.
//
// The riser queries ask, per cable, which runs list it; without this each
// walked every run and split every list. An edit changes the list here and
// in the element's attribute at once, so the tree is never behind. A riser of
// a campus job lists thousands of cables, so the attribute is not written
// out again for each edit: while its text is exactly the list joined with
// ",", an added cable is appended to the text and a removed one cut out of
// it, in place. Any other text (left by an older writer: empty names,
// spaces) is written out whole at its first edit, which makes it exact.
// A list whose text names a tag twice cannot be kept as a set: such lists
// are edited in the text, as they always were, and so is an edit that brings
// in a name with a comma.
class DUCTBOOK_PRIVATE_EXPORT RiserIndex
{
public:
    enum List { Connected = 0, Disconnected = 1 };
    static QString attributeName(List list);

    bool isBuilt() const { return m_built; }
    // Forgets every run; the next use rebuilds.
    void reset();
    // Empties the index for a rebuild: the runs are added in walk order.
    void startBuild();
    // A run the walk reaches, with the lists its element holds now.
    void addRun(const QString& tag, const QDomElement& run);
    // Forgets a run that leaves the document.
    void removeRun(const QString& tag);
    // The index holds the run of tag, and it is run.
    bool holds(const QString& tag, const QDomElement& run) const;

    // The edits of one list, with the effect the text edits always had: an
    // add writes the list (creating the attribute) even when the cable was
    // there; a removal or rename writes it only when the attribute exists.
    // Each returns whether the list now differs from what it was.
    bool add(const QString& run, List list, const QString& cable);
    bool remove(const QString& run, List list, const QString& cable);
    bool rename(const QString& run, List list, const QString& from, const QString& to);
    // The list's text replaced by text (only when the attribute exists).
    void replace(const QString& run, List list, const QString& text);

    // The runs whose list holds cable, each once; in walk order once the order
    // is known (see setOrder).
    QStringList runsListing(List list, const QString& cable) const;
    // Whether some run lists cable (in either list).
    bool isListed(const QString& cable) const;
    // Every cable some list names, in no particular order.
    QStringList listedCables(List list) const { return m_byCable[list].keys(); }

    // Edits between beginBatch() and endBatch() change the lists at once and
    // write each list they changed to its element once, at endBatch(): a
    // repair that takes a thousand cables out of a riser writes its list
    // once, not a thousand times. A batch opens and closes within one private
    // call, so no public call ever returns with the tree behind.
    void beginBatch() { m_batch = true; }
    void endBatch();

    // The walk order of the runs, which changes when a run is added or moves.
    bool orderKnown() const { return m_orderKnown; }
    void forgetOrder() { m_orderKnown = false; }
    void setOrder(const QStringList& tagsInWalkOrder);

#ifdef DUCTBOOK_VERIFY_INDEXES
    // What differs between this index and fresh, one built from the tree
    // now; empty when they agree.
    QStringList differences(const RiserIndex& fresh) const;
#endif

private:
    struct Run
    {
        QDomElement element;
        NameSequence lists[2];
        // The stored text names no tag twice, so the sequence is the list.
        bool plain[2] = {true, true};
        // The element's text is exactly the sequence joined with ",".
        bool exact[2] = {true, true};
        // Changed in the open batch, and whether the write may create the
        // attribute.
        bool batched[2] = {false, false};
        bool create[2] = {false, false};
    };

    void load(Run& run, List list);
    // Brings the element's text to the sequence, which has just gained added
    // and/or lost removed (either may be empty); creates the attribute only
    // when create is set.
    void write(Run& run, List list, bool create, const QString& added, const QString& removed);
    // Writes the list of a batch now (before a text edit reads it).
    void writeBatched(Run& run, List list);
    // The text of a list that is not plain, edited in place as a list of
    // tags with their repeats; the sequence and the reverse follow.
    template <typename Edit>
    bool editText(const QString& tag, Run& run, List list, bool create, Edit edit);
    void listed(List list, const QString& cable, const QString& run);
    void unlisted(List list, const QString& cable, const QString& run);

    QHash<QString, Run> m_runs;
    QHash<QString, QStringList> m_byCable[2];
    QHash<QString, qsizetype> m_order;
    bool m_orderKnown = false;
    bool m_built = false;
    bool m_batch = false;
    QStringList m_batchedRuns;
};

#endif // RISERINDEX_P_H
