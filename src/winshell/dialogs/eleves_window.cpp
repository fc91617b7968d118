#include "winshell/dialogs/eleves_window.h"

#include <shobjidl.h>

#include <cstdint>
#include <iterator>

#include "app/eleves_dialog.h"
#include "gfx/canvas.h"
#include "gfx/image.h"
#include "notebook/profile_chooser.h"
#include "winshell/dialogs/dialog_ids.h"
#include "winshell/win_dialog_host.h"

namespace winshell {

namespace {

constexpr int kLookSide = 32;
constexpr int kNameLength = 40;

// The picture of each look on white, as the list and the choice show it.
HIMAGELIST LookPictures() {
  const HIMAGELIST list =
      ImageList_Create(kLookSide, kLookSide, ILC_COLOR32, notebook::kLookCount, 0);
  if (list == nullptr) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kLookSide;
  info.bmiHeader.biHeight = -kLookSide;  // rows top-down, as the program draws them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  for (int look = 0; look < notebook::kLookCount; ++look) {
    gfx::Image image(kLookSide, kLookSide);
    gfx::Canvas canvas(image);
    canvas.Fill(image.Bounds(), gfx::Rgb(255, 255, 255));
    notebook::DrawLook(canvas, image.Bounds(), look);
    void* bits = nullptr;
    const GdiObject<HBITMAP> bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap == nullptr || bits == nullptr) continue;
    // Opaque: a list that reads the alpha channel would otherwise show nothing.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < kLookSide * kLookSide; ++i) pixels[i] = image.Data()[i] | 0xFF000000u;
    ImageList_Add(list, bitmap.get(), nullptr);
  }
  return list;
}

// Releases a COM object when the chooser is done with it.
struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComObject = std::unique_ptr<Interface, Releaser>;

// The system's folder chooser, opened on the class folder.
std::optional<std::filesystem::path> PickFolder(HWND owner, const std::filesystem::path& start) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  std::optional<std::filesystem::path> chosen;
  {
    IFileOpenDialog* raw = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&raw)))) {
      if (SUCCEEDED(com)) CoUninitialize();
      return std::nullopt;
    }
    const ComObject<IFileOpenDialog> dialog(raw);
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(Wide("Dossier de la classe").c_str());
    IShellItem* folder = nullptr;
    if (!start.empty() && SUCCEEDED(SHCreateItemFromParsingName(start.wstring().c_str(), nullptr,
                                                                IID_PPV_ARGS(&folder)))) {
      const ComObject<IShellItem> release(folder);
      dialog->SetFolder(folder);
    }
    IShellItem* result = nullptr;
    if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&result))) {
      const ComObject<IShellItem> release(result);
      PWSTR path = nullptr;
      if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        chosen = std::filesystem::path(path);
        CoTaskMemFree(path);
      }
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace

CElevesWindow::CElevesWindow(app::CEleves& model, WinDialogHost& host, HINSTANCE instance,
                             HWND owner)
    : model_(model), host_(host) {
  // The list with pictures and the choice of a picture.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controls);
  looks_.reset(LookPictures());
  chooseFolder = [this] { return PickFolder(Handle(), model_.Session().Book().ClassFolder()); };
  Create(instance, IDD_ELEVES, owner);
  if (Handle() != nullptr) {
    host_.Register(ports::DialogId::kEleves, Handle(), [this] { ShowModel(); });
  }
}

CElevesWindow::~CElevesWindow() {
  host_.Unregister(ports::DialogId::kEleves, Handle());
}

void CElevesWindow::OnInit() {
  const HWND children = Item(IDC_ELV_CHILDREN);
  ListView_SetExtendedListViewStyle(children, LVS_EX_FULLROWSELECT);
  ListView_SetImageList(children, looks_.get(), LVSIL_SMALL);
  RECT area{};
  GetClientRect(children, &area);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = area.right - GetSystemMetrics(SM_CXVSCROLL);
  ListView_InsertColumn(children, 0, &column);

  const HWND looks = Item(IDC_ELV_LOOK);
  SendMessageW(looks, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(looks_.get()));
  for (int look = 0; look < notebook::kLookCount; ++look) {
    std::wstring name = Wide(notebook::LookName(look));
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = look;
    item.pszText = name.data();
    item.iImage = look;
    item.iSelectedImage = look;
    SendMessageW(looks, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }

  SendDlgItemMessageW(Handle(), IDC_ELV_NAME, EM_LIMITTEXT, kNameLength, 0);
  const std::wstring prompt = Wide("Pr\xE9nom");
  SendDlgItemMessageW(Handle(), IDC_ELV_NAME, EM_SETCUEBANNER, FALSE,
                      reinterpret_cast<LPARAM>(prompt.c_str()));
  ShowModel();
}

void CElevesWindow::OnCommand(int id, int code) {
  if (Showing()) return;
  switch (id) {
    case IDOK:
      // Enter in the first name adds the child.
      if (GetFocus() == Item(IDC_ELV_NAME)) OnCommand(IDC_ELV_ADD, BN_CLICKED);
      break;
    case IDC_ELV_ADD:
      if (code == BN_CLICKED) Apply([this] { model_.OnAdd(); });
      break;
    case IDC_ELV_RENAME:
      if (code == BN_CLICKED) Apply([this] { model_.OnRename(); });
      break;
    case IDC_ELV_REMOVE:
      if (code == BN_CLICKED) Apply([this] { model_.OnRemove(); });
      break;
    case IDC_ELV_LOOK:
      if (code == CBN_SELCHANGE) Apply([this] { model_.OnLookChanged(Selection(IDC_ELV_LOOK)); });
      break;
    case IDC_ELV_CHOOSE_FOLDER:
      if (code == BN_CLICKED) {
        const std::optional<std::filesystem::path> folder =
            chooseFolder ? chooseFolder() : std::nullopt;
        if (folder && !folder->empty()) Apply([&] { model_.OnClassFolderChosen(*folder); });
      }
      break;
    default:
      break;
  }
}

void CElevesWindow::OnNotify(const NMHDR& header) {
  if (Showing() || header.idFrom != IDC_ELV_CHILDREN || header.code != LVN_ITEMCHANGED) return;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  if ((change.uChanged & LVIF_STATE) == 0 ||
      ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0) {
    return;
  }
  // A click on another child first takes the selection off the one before: the model follows
  // each step, and ends on the child clicked.
  const int row = ShownSelection();
  if (row != model_.selection) Apply([&] { model_.OnSelect(row); });
}

void CElevesWindow::TakeName() {
  model_.nameText = ItemText(IDC_ELV_NAME);
}

template <typename Handler>
void CElevesWindow::Apply(Handler handler) {
  // The question or the message of an action is answered before the window takes another: the
  // box belongs to the main window, and a second "Retirer" clicked meanwhile would remove the
  // child selected once the first is gone.
  if (acting_) return;
  acting_ = true;
  const bool wasDisabled = EnableWindow(Handle(), FALSE) != FALSE;
  // What the teacher typed goes with every action, so that showing the model never wipes it.
  TakeName();
  handler();
  if (!wasDisabled) EnableWindow(Handle(), TRUE);
  acting_ = false;
  ShowModel();
}

std::vector<CElevesWindow::Row> CElevesWindow::ShownChildren() const {
  std::vector<Row> rows;
  const HWND children = Item(IDC_ELV_CHILDREN);
  const int count = ListView_GetItemCount(children);
  for (int i = 0; i < count; ++i) {
    wchar_t name[256] = {};
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.pszText = name;
    item.cchTextMax = static_cast<int>(std::size(name));
    ListView_GetItem(children, &item);
    rows.push_back({Narrow(name), item.iImage});
  }
  return rows;
}

int CElevesWindow::ShownSelection() const {
  return ListView_GetNextItem(Item(IDC_ELV_CHILDREN), -1, LVNI_SELECTED);
}

void CElevesWindow::ShowChildren() {
  std::vector<Row> rows;
  for (const notebook::Profile& child : model_.Session().Book().Children()) {
    rows.push_back({child.name, child.look});
  }
  const HWND children = Item(IDC_ELV_CHILDREN);
  const ShowingScope showing(*this);
  // Made again only when the class changed, so that the list keeps its place.
  if (ShownChildren() != rows) {
    ListView_DeleteAllItems(children);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      std::wstring name = Wide(rows[i].name);
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_IMAGE;
      item.iItem = static_cast<int>(i);
      item.pszText = name.data();
      item.iImage = rows[i].look;
      ListView_InsertItem(children, &item);
    }
  }
  const int selected = ShownSelection();
  if (selected == model_.selection) return;
  ListView_SetItemState(children, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (model_.selection >= 0) {
    ListView_SetItemState(children, model_.selection, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(children, model_.selection, FALSE);
  }
}

void CElevesWindow::ShowModel() {
  if (Handle() == nullptr) return;
  ShowChildren();
  ShowSelection(IDC_ELV_LOOK, model_.lookSelection);
  ShowItemText(IDC_ELV_NAME, model_.nameText);
  EnableWindow(Item(IDC_ELV_RENAME), model_.selection >= 0);
  EnableWindow(Item(IDC_ELV_REMOVE), model_.selection >= 0);
  ShowItemText(IDC_ELV_FOLDER, model_.ClassFolderText());
}

}  // namespace winshell
