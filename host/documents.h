// The open projects and their layouts as the host's document list: each
// open layout is a document with a reference (docRef) and a number (its
// place in the list); one layout is in front.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/project.h"

namespace plxhost {

class Documents {
  public:
    // Opens a project file. Its layouts become documents and its current
    // layout comes to the front. Returns the project reference, or -1 with
    // *error set ("FILE:LINE: what").
    int32_t openProject(const std::string& path, std::string* error);
    // Adds a project made in memory (a path left empty is a project that
    // was never saved). Returns its reference.
    int32_t addProject(std::unique_ptr<Project> project);
    void closeAll();

    Project* project(int32_t projRef) const;
    Project* projectOfLayout(int32_t docRef) const;
    Layout* layout(int32_t docRef) const;
    Layout* findLayout(const std::string& name) const;
    const std::vector<std::unique_ptr<Project>>& projects() const { return projects_; }

    // The front layout, or null when no layout is open.
    Layout* front() const;
    bool bringToFront(int32_t docRef);
    // The front layout's number in the document list, -1 when none.
    int16_t frontDocNum() const;
    int32_t docRefOfNum(int16_t docNum) const;

    // Look-ups that check a handle from a plug-in before it is used.
    // A box and, when asked for, the layout it lies in.
    Box* findBox(boxid box, Layout** layout = nullptr) const;
    Layout* findView(DocViewRef view) const;
    bool isSlugHolder(XTSlugHolderRef holder) const;

    // The front layout's selected box, or null.
    Box* currentBox() const;
    bool selectBox(int32_t docRef, int boxId); // boxId 0 deselects
    void markChanged(int32_t docRef);
    // Writes a project back to its file and clears its changed mark. False
    // with *error set when it has no file or the file cannot be written.
    bool saveProject(int32_t projRef, std::string* error);

  private:
    std::vector<std::unique_ptr<Project>> projects_;
    std::vector<int32_t> order_; // open layouts, in document-number order
    int32_t front_ = -1;
    int32_t nextDocRef_ = 1;
    int32_t nextProjRef_ = 1;
};

} // namespace plxhost
