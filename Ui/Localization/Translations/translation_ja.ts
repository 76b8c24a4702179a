<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Pelvane マルチメディアコントローラー デバイス構成</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>構成をインポートすると、現在の設定は置き換えられます。</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>操作は正常に完了しました。</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作に失敗しました。</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. 無断複製・転載を禁じます。</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>デバイスを接続するか、構成を作成してください</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>構成の作成</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>グローバル設定</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>すべてのアプリで各コントロールが行う動作を選択します。</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>アプリ別</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>特定のアプリが前面にあるときに各コントロールが行う動作を選択します。</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>コントローラーを使えるように準備します。</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>情報とサポート</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>ソフトウェアのバージョン、アップデート、ヘルプ。</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>ダイヤルとして使用</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>ジョグとして使用</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>ジョグホイールゾーンを使用</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>スクロールに使用</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>クリックして編集</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>アプリの選択</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>キー入力</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>修飾キーを押す</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>プログラムの実行</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>テキスト入力</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>マクロの実行</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>マウスとシステムの操作</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>入力するテキスト</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>修飾キーの選択</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>アクションの実行中に押したままにする修飾キーです。</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>キーの追加</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>キーを押すか、キー一覧から選択してください。</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>項目の選択</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>開くプログラムまたはファイルを選択してください。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>マウスまたはシステムのアクションを選択してください。</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>スクロール</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>ポインターの下にあるウィンドウをスクロールします。</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>マウスクリック</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>マウスボタンでクリックします。</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>音量を変更します。</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>画面の明るさを変更します。</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>One</source>
        <translation>1回</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>2回</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>3回</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>マクロの選択</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>マクロの追加</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>マクロの削除</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>このマクロ名は既に存在します</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>アプリ別の設定はオンです</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>アプリ別の設定はオフです</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>プロファイル名を入力してください</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>このプロファイルを削除しますか?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>プロファイル名「Default」は予約されています。</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>このプロファイル名は既に存在します</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>全般のプロパティ</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>アクションの順序</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>グループの追加</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>グループの削除</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>アクションの追加</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>アクションの編集</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>アクションの削除</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>最新の変更を保存しますか?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>操作を選択してください。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>未割り当て</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>キーを押してください</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>キー一覧</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>ファンクションキー</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>実行するプログラム</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>引数</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>移動キーと編集キー</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>テンキー</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>マルチメディアキー</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>特殊キー</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>テンキー %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>インターネットブラウザー</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>メールアプリ</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>公式サイトへ</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>コントローラーのセットアップ</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>スタートガイドの手順に従って、コントローラーをセットアップしてください。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>ドライバー Ver. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>困ったときは</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>お気軽にご相談ください</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Pelvane にフィードバックを送信</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>工場出荷時の設定に戻す</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>このキーをリセット</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>すべての設定を工場出荷時の値に戻しました。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>ようこそ </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>アカウント情報</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>パスワードをお忘れですか?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>構成の同期</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>アカウントの削除</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>アカウントを完全に削除しますか?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>または次の方法でサインイン</translation>
    </message>
    <message>
        <source>Microsoft</source>
        <translation>Microsoft</translation>
    </message>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>Create a new account</source>
        <translation>新しいアカウントの作成</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>アカウントが削除されました。</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>適用するアクションを選択する必要があります</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>必須フィールドが空です</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>デフォルト設定に戻しますか?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>このコントロールのプロファイルは存在しないため、変更は保存されませんでした。</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>このコントロールにはここで既に別の動作が割り当てられているため、変更は保存されませんでした。</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>「無効」は、このコントロールが別の割り当てから受け取っている動作を置き換えられないため、変更は保存されませんでした。</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>設定を読み込めなかったため、デフォルト設定を表示しています。破損したファイルは、上書き保存される前に %1 として退避されます。</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>アップデートの確認</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>アップデートを確認しています...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>アップデートの確認がタイムアウトしました。</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>アップデートの確認に失敗しました。</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>新しいバージョンが利用可能です。今すぐダウンロードしますか?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>新しいバージョンのダウンロードが完了しました。今すぐインストールしますか?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>ソフトウェアは最新の状態です。</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>アップデートをダウンロードしています...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>アップデートはキャンセルされました。</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>クラウドの構成(保存日時 %1、バージョン %2)がこの構成と異なります。どちらを残しますか?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>クラウド</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>ローカル</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>構成をクラウドにアップロードしますか?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>クラウドの構成をデフォルトに戻しますか?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>クラウドの構成が無効です。この構成で置き換えますか?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>この構成は無効です。デフォルトに戻しますか?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>構成をダウンロードしています...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>ダウンロードはキャンセルされました。</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>構成をアップロードしています...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>アップロードはキャンセルされました。</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>構成がリセットされました。</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>同期に失敗しました。</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>アップロードに失敗しました。</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>ダウンロードに失敗しました。</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>設定は同期されています。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>プロファイルの選択</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>プロファイルの変更</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>コントローラーで使うプロファイルを選択するか、新しいプロファイルを作成してください。</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>プロファイルの編集</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>コントローラーに適用</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>新しいプロファイルの作成</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>アクションの選択</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>プロファイルの切り替え</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>切り替え先のプロファイル</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>アプリを追加すると、そのアプリが前面にあるときに各コントロールに専用のアクションを割り当てられます。</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>アプリの構成が削除されました。</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>デバイスの構成が削除されました。</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>プログラムの選択</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>プログラムにコンピューターの制御を許可する</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>「システム環境設定」を開きます。</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>「セキュリティとプライバシー」を選択します。</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>「プライバシー」タブを開きます。</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>「アクセシビリティ」を選択します。</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>プログラムの横にあるチェックボックスをオンにします。</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>「セキュリティとプライバシー」を開く</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>プログラムを「アプリケーション」に移動</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>このプログラムは「アプリケーション」フォルダーから実行すると最適に動作します。</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>この構成を削除しますか?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>構成の詳細</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>この構成名は既に存在します</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>このプログラムの構成は既に存在します</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>構成名</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>構成</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>了解しました</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>アップデートがインストールされました。完了するにはコンピューターを再起動してください。</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>後で再起動</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>確認せずにアップデートをダウンロード</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>確認せずにアップデートをインストール</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>構成をクラウドと同期</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>アップデートの確認間隔</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>通知の確認間隔</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>このマクロは使用中です。削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>GDPR への準拠</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>マルチメディアコントローラー Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>マルチメディアコントローラー Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>既定プロファイルを使用</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>下の値と同じ</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>キー入力: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>キーを押す </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>プログラムの実行 </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>マクロの実行  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>実行: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>プロファイルの切り替え </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>ボタン4クリック</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>ボタン5クリック</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>ダブルクリック</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>トリプルクリック</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>クリックロック</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>右ダブルクリック</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>右クリックロック</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キーを押す</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>明るさを上げる</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>明るさを下げる</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上にスクロール</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下にスクロール</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>左にスクロール</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>右にスクロール</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>デフォルト設定を使用</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>下の値と同じ</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>設定の切り替え</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>マウスとシステムの操作</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>カスタムアクション...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>1回のみ</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>押し続ける</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>できるだけ速く</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>毎秒60回</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>毎秒45回</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>毎秒30回</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>毎秒15回</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>毎秒10回</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>毎秒5回</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>毎秒2回</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>1秒ごとに1回</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>2秒ごとに1回</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>3秒ごとに1回</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>4秒ごとに1回</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>待機なし</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>1ms待機</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>2ms待機</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>5ms待機</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>10ms待機</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>20ms待機</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>50ms待機</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>100ms待機</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>200ms待機</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>500ms待機</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>1秒待機</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>2秒待機</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>5秒待機</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>10秒待機</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Cmd</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation>ボタン %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>左回転</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>右回転</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>ゾーン %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>移行 %1 → %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>ダイヤル</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>ジョグホイール</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>言語の選択</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>ノルウェー語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>フィンランド語</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>デンマーク語</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>ウィンドウのテキストは選択した言語で表示されます。</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上矢印</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下矢印</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左矢印</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右矢印</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Back Space</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>アプリケーションキー</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Erase EOF</source>
        <translation>Erase EOF</translation>
    </message>
    <message>
        <source>Attn</source>
        <translation>Attn</translation>
    </message>
    <message>
        <source>CrSel</source>
        <translation>CrSel</translation>
    </message>
    <message>
        <source>ExSel</source>
        <translation>ExSel</translation>
    </message>
    <message>
        <source>PA1</source>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>サインインを開始できませんでした。ブラウザーがサインインを返すポート %1 を別のプログラムが使用しています。そのプログラムを終了してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>変更を %1 に保存できませんでした: %2。変更はこのウィンドウに残り、次に保存できる変更を行ったときに一緒に保存されます。それまでにプログラムを終了すると、変更は失われます。</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>ディスクに空き容量がありません</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>ディスクが読み取り専用です</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>そこに書き込む権限がありません</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>ファイルまたはフォルダーが妨げになっています</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>保存先のフォルダーがありません</translation>
    </message>
</context>
</TS>
